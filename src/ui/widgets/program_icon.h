#pragma once

#include <QPixmap>

namespace ui {

// The program's picture (a price tag with と), drawn in code like dist/tomoea.svg so no
// image plug-in is needed; `size` is the side in pixels.
QPixmap drawProgramIcon(int size);

} // namespace ui
