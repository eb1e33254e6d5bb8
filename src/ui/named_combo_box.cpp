#include "named_combo_box.h"

#include "accessible_interfaces.h"

namespace ui {

NamedComboBox::NamedComboBox(QWidget* parent) : QComboBox(parent) {
    installAccessibleInterfaces();
}

} // namespace ui
