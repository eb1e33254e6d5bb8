#pragma once

#include "platform/colour.h"

#include <QString>
#include <array>

// The schemes' names as literals, so that the design tab's rows can join them into their
// captions and accessible names when compiled.
#define TOMOE_PRESET_NAME_0 u"白色"
#define TOMOE_PRESET_NAME_1 u"デフォルト"
#define TOMOE_PRESET_NAME_2 u"シンプル"
#define TOMOE_PRESET_NAME_3 u"クラシック"
#define TOMOE_PRESET_NAME_4 u"夕焼け"
#define TOMOE_PRESET_NAME_5 u"草原"
#define TOMOE_PRESET_NAME_6 u"アクア"
#define TOMOE_PRESET_NAME_7 u"ラベンダー"
#define TOMOE_PRESET_NAME_8 u"アース"

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
