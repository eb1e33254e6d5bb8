#include "content/number_text.h"
#include "platform/error.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

enum class Reading { Whole16, Leading16, Colour };

struct Case {
    Reading reading;
    QString text;
    long long value; // expected when errorNumber is 0
    int errorNumber = 0;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << int(c.reading) << " \"" << c.text.toStdString() << '"';
}

class NumberText : public ::testing::TestWithParam<Case> {};

TEST_P(NumberText, ConvertsOrFailsWithTheRightNumber) {
    const Case& c = GetParam();
    try {
        // Each read on its own: a shared ?: type would turn -1 into an unsigned colour.
        long long value = 0;
        if (c.reading == Reading::Whole16)
            value = content::int16FromText(c.text);
        else if (c.reading == Reading::Leading16)
            value = content::leadingInt16(c.text);
        else
            value = content::colourFromText(c.text);
        EXPECT_EQ(c.errorNumber, 0) << "converted to " << value;
        EXPECT_EQ(value, c.value);
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), c.errorNumber);
    }
}

constexpr auto W = Reading::Whole16;
constexpr auto L = Reading::Leading16;
constexpr auto C = Reading::Colour;

// Ties round to the even number: 2.5 and 1.5 both give 2.
INSTANTIATE_TEST_SUITE_P(
    Texts, NumberText,
    ::testing::Values(Case{W, u" -1 "_s, -1}, Case{W, u"2.5"_s, 2}, Case{W, u"1.5"_s, 2},
                      Case{W, u"-2.5"_s, -2}, Case{W, u"2.51"_s, 3}, Case{W, u"-32768"_s, -32768},
                      Case{W, u"32768"_s, 0, 6}, Case{W, u"99999999999999999999"_s, 0, 6},
                      Case{W, u""_s, 0, 13}, Case{W, u"3x"_s, 0, 13}, Case{W, u"-"_s, 0, 13},
                      Case{L, u"12abc"_s, 12}, Case{L, u"abc"_s, 0}, Case{L, u""_s, 0},
                      Case{L, u"1.5px"_s, 2}, Case{L, u"70000"_s, 0, 6},
                      Case{C, u"16777215"_s, 0xFFFFFF}, Case{C, u"255"_s, 0xFF},
                      Case{C, u"16777216"_s, 0, 380}, Case{C, u"-1"_s, 0, 380},
                      Case{C, u"red"_s, 0, 13}, Case{C, u"4294967296"_s, 0, 6}));

TEST(ColourText, KeepsAColourAsItsDecimalNumber) {
    EXPECT_EQ(content::colourToText(0x000000FF), u"255"_s);
    EXPECT_EQ(content::colourFromText(content::colourToText(0x00123456)), 0x00123456u);
}

} // namespace
