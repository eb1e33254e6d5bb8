#include "platform/full_width.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using platform::toFullWidth;

namespace {

TEST(FullWidth, PrintableAsciiMapsOntoTheFullWidthBlock) {
    for (char16_t c = 0x21; c <= 0x7E; ++c)
        ASSERT_EQ(toFullWidth(QString(QChar(c))), QString(QChar(char16_t(c - 0x21 + 0xFF01))))
            << "U+" << std::hex << int(c);
}

struct Case {
    QString in;
    QString out;
};
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.in.toStdString();
}

class ToFullWidth : public ::testing::TestWithParam<Case> {};
TEST_P(ToFullWidth, Converts) {
    EXPECT_EQ(toFullWidth(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Text, ToFullWidth,
                         ::testing::Values(Case{u"A ~"_s, u"Ａ　～"_s},
                                           Case{u"価格 100円"_s, u"価格　１００円"_s},
                                           Case{u"ＡＢ　"_s, u"ＡＢ　"_s}, Case{u""_s, u""_s},
                                           Case{u"a-b"_s, u"ａ－ｂ"_s}));

INSTANTIATE_TEST_SUITE_P(
    Kana, ToFullWidth,
    ::testing::Values(Case{u"ｱｲｳｴｵ"_s, u"アイウエオ"_s}, Case{u"｡｢｣､･ｰ"_s, u"。「」、・ー"_s},
                      Case{u"ｶﾞ"_s, u"ガ"_s}, Case{u"ﾊﾟ"_s, u"パ"_s}, Case{u"ｳﾞ"_s, u"ヴ"_s},
                      Case{u"ﾄﾞﾎﾟ"_s, u"ドポ"_s}, Case{u"ﾃﾞｰﾀ"_s, u"データ"_s},
                      // Marks that do not combine stand as full-width marks of their own.
                      Case{u"ﾞ"_s, u"゛"_s}, Case{u"ﾟ"_s, u"゜"_s}, Case{u"ｱﾞ"_s, u"ア゛"_s},
                      Case{u"ｶﾟ"_s, u"カ゜"_s}, Case{u"ﾞｶ"_s, u"゛カ"_s},
                      // ッ sits between チ and ツ in the full-width block, but is no base.
                      Case{u"ｯﾞ"_s, u"ッ゛"_s}));

} // namespace
