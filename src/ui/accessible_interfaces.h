#pragma once

namespace ui {

// Registers with Qt how the program's own label kinds (DisplayLabel, NamedComboBox,
// SwatchLabel) present
// themselves to assistive technology. Safe to call any number of times.
void installAccessibleInterfaces();

} // namespace ui
