#pragma once

#include <QPixmap>

namespace ui {

// Samples of the two booth styles shown beside OptionBooth1 and OptionBooth2.
QPixmap drawBoothBanner(); // a wide banner, 148 × 28
QPixmap drawBoothButton(); // a small button, 55 × 49

} // namespace ui
