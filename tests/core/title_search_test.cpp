#include "core/title_search.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct FoldCase {
    QString query;
    QString title;
    bool found;
};

void PrintTo(const FoldCase& c, std::ostream* os) {
    *os << c.query.toStdString() << (c.found ? " finds " : " misses ") << c.title.toStdString();
}

class TitleFold : public ::testing::TestWithParam<FoldCase> {};

TEST_P(TitleFold, FindsATitleWhateverFormEitherSideIsTypedIn) {
    const FoldCase& c = GetParam();
    const QList<int> shown = core::narrowTitles(core::foldTitles({c.title}), c.query);
    EXPECT_EQ(!shown.isEmpty(), c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, TitleFold,
    ::testing::Values(
        // Half-width katakana with its voiced marks, full-width katakana and hiragana.
        FoldCase{u"ｶﾞﾝﾀﾞﾑ"_s, u"ガンダム 1/144"_s, true},
        FoldCase{u"ｶﾞﾝﾀﾞﾑ"_s, u"がんだむ ぷらも"_s, true},
        FoldCase{u"がんだむ"_s, u"ｶﾞﾝﾀﾞﾑ ﾌﾟﾗﾓ"_s, true},
        FoldCase{u"ｶﾞﾝﾀﾞﾑ"_s, u"カンタム"_s, false},
        // Semi-voiced and voiced are different kana, as is the bare one.
        FoldCase{u"ﾊﾟﾝ"_s, u"ぱん 食パン"_s, true}, FoldCase{u"ﾊﾟﾝ"_s, u"バン"_s, false},
        FoldCase{u"ﾊﾞﾝ"_s, u"ハン"_s, false}, FoldCase{u"ｳﾞｨﾝﾃｰｼﾞ"_s, u"ヴィンテージ"_s, true},
        // ASCII against full-width, in either case; a space against the ideographic one.
        FoldCase{u"epson"_s, u"ＥＰＳＯＮ インク"_s, true},
        FoldCase{u"ＥＰＳＯＮ"_s, u"Epson ink"_s, true},
        FoldCase{u"赤い 傘"_s, u"赤い　傘 新品"_s, true},
        FoldCase{u"18cm"_s, u"長靴 １８ｃｍ"_s, true},
        FoldCase{u"長靴 19"_s, u"長靴 18cm"_s, false}));

TEST(NarrowTitles, KeepsListOrderAndEveryEqualTitleAndShowsAllForAnEmptyQuery) {
    const QStringList folded =
        core::foldTitles({u"赤い傘"_s, u"白いカサ"_s, u"赤い傘"_s, u"長靴"_s});
    EXPECT_EQ(core::narrowTitles(folded, u"赤"_s), (QList<int>{0, 2}));
    EXPECT_EQ(core::narrowTitles(folded, u"かさ"_s), (QList<int>{1}));
    EXPECT_EQ(core::narrowTitles(folded, QString()), (QList<int>{0, 1, 2, 3}));
    EXPECT_TRUE(core::narrowTitles(folded, u"時計"_s).isEmpty());
}

} // namespace
