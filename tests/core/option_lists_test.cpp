#include "core/colour_presets.h"
#include "core/option_lists.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

struct WeightCase {
    int position;
    std::optional<int> grams;
};

void PrintTo(const WeightCase& c, std::ostream* os) {
    *os << "position " << c.position;
}

class WeightAtPosition : public ::testing::TestWithParam<WeightCase> {};

TEST_P(WeightAtPosition, ComesFromTheTableOrNothing) {
    EXPECT_EQ(core::weightGramsAt(GetParam().position), GetParam().grams);
}

// Positions outside the list must never read past the table.
INSTANTIATE_TEST_SUITE_P(Positions, WeightAtPosition,
                         ::testing::Values(WeightCase{-1, std::nullopt}, WeightCase{0, 25},
                                           WeightCase{9, 4000}, WeightCase{10, 5000},
                                           WeightCase{14, 25000}, WeightCase{15, std::nullopt}));

// #FFCC33 is red FF, green CC, blue 33; stored with red in the low byte.
TEST(ColourPresets, KeepRedInTheLowByte) {
    const core::ColourPreset& preset = core::kColourPresets[1];
    EXPECT_EQ(preset.name, u"デフォルト");
    EXPECT_EQ(preset.main, 0x0033CCFFu);
    EXPECT_EQ(preset.sub, 0x00C0FFFFu);
    for (std::size_t i = 0; i < core::kColourPresets.size(); ++i)
        EXPECT_EQ(core::kColourPresets[i].number, int(i));
}

} // namespace
