#include "aids/field_aids.h"
#include "scripted_prompter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CounterCase {
    QString title, counter;
};
void PrintTo(const CounterCase& c, std::ostream* os) {
    *os << c.title.size() << " characters";
}

class TitleCounter : public ::testing::TestWithParam<CounterCase> {};

TEST_P(TitleCounter, ShowsWhatIsLeft) {
    EXPECT_EQ(aids::UpdateTitleCounter(GetParam().title), GetParam().counter);
}

// Full-width characters count one each, like half-width ones.
INSTANTIATE_TEST_SUITE_P(Lengths, TitleCounter,
                         ::testing::Values(CounterCase{u""_s, u"あと30文字"_s},
                                           CounterCase{QString(29, u'a'), u"あと1文字"_s},
                                           CounterCase{QString(30, u'品'), u"あと0文字"_s},
                                           CounterCase{QString(31, u'a'), u"文字数オーバー"_s}));

TEST(StripTitleQuotes, RemovesOnlyTheSingleByteQuote) {
    EXPECT_EQ(aids::StripTitleQuotes(u"\"美品\" ＂新品＂ 'x'"_s), u"美品 ＂新品＂ 'x'"_s);
}

TEST(ClearDescription, AnsweringNoKeepsTheText) {
    ScriptedPrompter prompter;
    prompter.answers = {false, true};
    EXPECT_FALSE(aids::ClearDescription(prompter));
    EXPECT_TRUE(aids::ClearDescription(prompter));
    EXPECT_EQ(prompter.texts.first(), u"商品説明をクリアしますか？"_s);
}

} // namespace
