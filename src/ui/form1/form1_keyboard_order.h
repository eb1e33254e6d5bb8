#pragma once

#include <QStringView>
#include <span>
#include <vector>

namespace ui {

// The controls of the main window that take the keyboard focus, in the order Tab visits
// them: the tab bar, each page's frames in page order with their controls as listed, then
// the button row. The description follows the title directly, then its buttons, then the
// rest of the title's frame. Hidden controls are listed too; Qt passes over them.
std::vector<QStringView> form1TabOrder();

// The swatches that open the colour dialog when clicked; they take the focus as well.
std::span<const QStringView> form1ColourPickers();

} // namespace ui
