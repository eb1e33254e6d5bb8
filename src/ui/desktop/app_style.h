#pragma once

class QApplication;

namespace ui {

// The look every window of the program shares: the Fusion style, so control sizes are the
// same on every desktop, and a Japanese font at 9 points.
void applyApplicationStyle(QApplication& application);

} // namespace ui
