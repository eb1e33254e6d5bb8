#pragma once

#include "platform/colour.h"

#include <QLabel>

namespace ui {

// A label that shows a colour and reports clicks: either as its background (the colour
// scheme swatches) or as the colour of its caption (the font colour samples).
class SwatchLabel : public QLabel {
    Q_OBJECT
public:
    enum class Paints { Background, Caption };

    SwatchLabel(Paints paints, QWidget* parent = nullptr);

    platform::ColourValue colour() const { return m_colour; }
    void setColour(platform::ColourValue colour);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Paints m_paints;
    platform::ColourValue m_colour = platform::kBlack;
};

} // namespace ui
