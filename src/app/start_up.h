#pragma once

#include "ui/form1/form1.h"

#include <memory>

namespace app {

// Puts right what a crash left half done (telling the seller what was repaired in one
// message), prepares the workspace below services.applicationFolder and then opens the main
// window.
// When preparing fails, the seller is told why through services.prompter (a missing file
// ends start-up without a word) and no window opens: the result is empty.
std::unique_ptr<ui::Form1> StartUp(const ui::Form1Services& services);

} // namespace app
