#pragma once

#include "platform/colour.h"

#include <QColor>

namespace ui {

inline QColor toQColor(platform::ColourValue colour) {
    return QColor(platform::redOf(colour), platform::greenOf(colour), platform::blueOf(colour));
}

inline platform::ColourValue fromQColor(const QColor& colour) {
    return platform::colourFromRgb(colour.red(), colour.green(), colour.blue());
}

} // namespace ui
