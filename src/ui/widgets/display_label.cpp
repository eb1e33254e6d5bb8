#include "ui/widgets/display_label.h"

#include "ui/widgets/accessible_interfaces.h"

namespace ui {

DisplayLabel::DisplayLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    installAccessibleInterfaces();
}

} // namespace ui
