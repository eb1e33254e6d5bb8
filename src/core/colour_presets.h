#pragma once

#include "platform/colour.h"

#include <QString>
#include <array>

namespace core {

// One of the fixed page colour schemes of the design tab (OptionButton0 … OptionButton8).
struct ColourPreset {
    int number;       // n of OptionButton<n>, L<n>1, L<n>2, L<n>3
    QStringView name; // caption of L<n>1
    platform::ColourValue main;
    platform::ColourValue sub;
};

// Schemes 0–8, by number; scheme 9 ("ユーザー設定") takes the user's colours.
extern const std::array<ColourPreset, 9> kColourPresets;
inline constexpr int kUserPreset = 9;

} // namespace core
