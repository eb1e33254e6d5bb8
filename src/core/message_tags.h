#pragma once

#include <QStringView>

// The short tags of the failure messages, "description (TAG number)", by the action
// that shows them.
namespace core::tag {

inline constexpr QStringView StartUp = u"CH";     // preparing the workspace
inline constexpr QStringView TextTables = u"FI";  // the main window's text tables
inline constexpr QStringView RestoreForm = u"GI"; // restoring the standing choices
inline constexpr QStringView ApplyHeld = u"FA";   // putting the held values back
inline constexpr QStringView SaveForm = u"SI";    // saving the standing choices

} // namespace core::tag
