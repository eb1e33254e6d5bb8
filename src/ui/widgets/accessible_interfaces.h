#pragma once

namespace ui {

// Registers with Qt how the program's own label kinds (DisplayLabel, NamedComboBox,
// SwatchLabel) and its check boxes present themselves to assistive technology: displays and
// lists give their content as text, a check box's tick action clicks it. Safe to call any
// number of times.
void installAccessibleInterfaces();

} // namespace ui
