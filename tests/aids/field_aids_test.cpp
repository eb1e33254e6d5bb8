#include "aids/field_aids.h"
#include "scripted_prompter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Full-width characters count one each, like half-width ones.
TEST(TitleCounter, ShowsWhatIsLeft) {
    const std::pair<QString, QString> cases[] = {{u""_s, u"あと30文字"_s},
                                                 {QString(30, u'品'), u"あと0文字"_s},
                                                 {QString(31, u'a'), u"文字数オーバー"_s}};
    for (const auto& [title, counter] : cases)
        EXPECT_EQ(aids::UpdateTitleCounter(title), counter) << title.size();
}

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
