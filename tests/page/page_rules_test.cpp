#include "core/piece_reader.h"
#include "page/page_rules.h"
#include "page/template_stream.h"
#include "page/title_rules.h"
#include "platform/cp932.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Failures show the texts rather than their code units.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}

namespace {

const QString kYupackLink = u"<a href=\"Y\">ゆうパック料金表</a>"_s;
const QString kFooterAndClose =
    u"<br><br><font size=2 color=#777777>■　こちらの商品案内は　</font><a "
    u"href=\"H\" target='_blank'><font size=2 color=#000000>ともえオーク"
    u"ション</font></a><font size=2 color=#777777>　で作成しました　■"
    u"</font></center>"_s;

struct LineCase {
    const char* name;
    void (*setUp)(page::PageInputs&);
    QString lines; // template lines, and the page lines they give, joined by "\n"
    QString page;
};
void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class PageRules : public ::testing::TestWithParam<LineCase> {};

// Runs the template lines in order through the rules of one assembly (first-run style).
TEST_P(PageRules, ExpandTheTemplateLines) {
    page::PageInputs in;
    in.record.TextBoxタイトル = u"T"_s;
    in.record.Textyahooid = u"id"_s;
    in.linkTable = {kYupackLink, u"<a href=\"T\">宅急便</a>"_s,
                    u"<img src=banner.gif id=%yahooid>"_s};
    in.homePage = u"H"_s;
    GetParam().setUp(in);
    page::PageExpander expander(in, page::normalizedPageStyle(in.style));
    QStringList page;
    for (const QString& line : GetParam().lines.split(u'\n'))
        page << expander.expand(line);
    EXPECT_EQ(page.join(u'\n'), GetParam().page);
}

using In = page::PageInputs;
INSTANTIATE_TEST_SUITE_P(
    Texts, PageRules,
    ::testing::Values(
        // The seller's text is not read again for placeholders, so "%width" stays.
        LineCase{"TitleEverywhereStyledAndKeptAsTyped",
                 [](In& in) {
                     in.style.titleStyle = 0, in.style.titleSize = 2, in.titleColour = 255;
                     in.record.TextBoxタイトル = u"幅%width"_s;
                 },
                 u"%title|%title"_s,
                 u"<font size=7><font color=#FF0000>幅%width</font></font>|<font size=7><font "
                 u"color=#FF0000>幅%width</font></font>"_s},
        LineCase{"PlaceholderNamesAndHeadingsInTheSellersTextStay",
                 [](In& in) {
                     in.style.headingStyle = 0, in.style.headingSize = 0;
                     in.record.TextBox商品説明 = u"%str6 %pos 支払詳細 %title"_s;
                     in.record.Check注意事項 = 1;
                 },
                 u"<%pos>%str1 %str2"_s,
                 u"<center>%str6 %pos 支払詳細 %title <font size=2><font "
                 u"color=#000000></font></font>"_s},
        LineCase{"HeadingStyledOnlyBesideItsPlaceholder",
                 [](In& in) {
                     in.style.headingStyle = 0, in.style.headingSize = 1, in.headingColour = 0xFF00;
                     in.record.TextBox商品説明 = u"a\r\nb"_s;
                 },
                 u"商品詳細 %str1\n商品詳細"_s,
                 u"<font size=5><font color=#00FF00>商品詳細</font></font> a<br>b\n商品詳細"_s},
        LineCase{"EmptyPaymentInsideItsWrappers", [](In&) {}, u"%str2"_s,
                 u"<font size=2><font color=#000000></font></font>"_s},
        LineCase{"FirstBreakBecomesFourSpaces",
                 [](In& in) { in.record.Label支払い方法 = u"X・A"_s; }, u"%str2"_s,
                 u"<font size=2><font color=#000000>X    ・A</font></font>"_s},
        LineCase{"BoldTextTrimmedOfIdeographicSpaces",
                 [](In& in) {
                     in.style.textStyle = 1, in.style.textSize = 1;
                     in.record.Label支払い方法 = u"　・A・B　"_s;
                 },
                 u"%str2"_s, u"<b><font color=#000000>・A<br>・B</font></b>"_s},
        LineCase{"ExplanationHiddenOrShown",
                 [](In& in) {
                     in.record.Text支払説明 = u"x"_s, in.record.Check支払いl説明 = 1;
                     in.record.Text発送注意事項 = u"a\r\nb"_s;
                 },
                 u"[%str3][%str5]"_s, u"[][<br>a<br>b]"_s},
        LineCase{"ExplanationShownButEmptyGivesNothing",
                 [](In& in) { in.record.Text発送注意事項 = u"a"_s, in.record.Check発送説明 = 1; },
                 u"[%str3][%str5]"_s, u"[][]"_s},
        LineCase{"EmptyNotesEmptyTheWholeLine", [](In&) {}, u"<td>注意事項</td><td>%str6</td>"_s,
                 QString()},
        LineCase{"HiddenNotesEmptyTheWholeLine",
                 [](In& in) { in.record.Text注意事項 = u"n"_s, in.record.Check注意事項 = 1; },
                 u"<td>注意事項</td><td>%str6</td>"_s, QString()}));

// The last item loses its ideographic padding to the paragraph trim.
INSTANTIATE_TEST_SUITE_P(
    CarrierNotes, PageRules,
    ::testing::Values(
        LineCase{
            "WithTheirFeeLinksWhereThereAreAny",
            [](In& in) {
                in.regionName = u"東京都"_s;
                in.record.Label送料1 = u"・ゆうパック60サイズ　\r\n・クロネコ宅急便60サイズ　"_s;
                in.record.Label送料2 = u"・はこBOON　"_s;
            },
            u"%str4"_s,
            u"<font size=2><font color=#000000>・ゆうパック60サイズ　\r\n<br>・クロネコ宅急便60"
            u"サイズ　<br>・はこBOON<br><br>・ゆうパックは東京都からの発送&nbsp;&nbsp; &nbsp;   "_s +
                kYupackLink +
                u"<br>・クロネコ宅急便は東京都からの発送&nbsp; &nbsp; &nbsp;   <a "
                u"href=\"T\">宅急便</a><br>・はこBOONは東京都からの発送</font></font>"_s},
        LineCase{"NoneWithoutARegion", [](In& in) { in.record.Label送料1 = u"・ゆうパック"_s; },
                 u"%str4"_s, u"<font size=2><font color=#000000>・ゆうパック</font></font>"_s}));

INSTANTIATE_TEST_SUITE_P(
    Markers, PageRules,
    ::testing::Values(
        LineCase{"BannerBeforeOnTheFirstPosAnywhere",
                 [](In& in) { in.record.ComboMyBooth.position = 1; }, u"<td align=%pos>\n<%pos>"_s,
                 u"<td align=center><img src=banner.gif id=id>\n<center>"_s},
        LineCase{"NoClosingMarkerNoFooterNoBannerAfter",
                 [](In& in) { in.record.ComboMyBooth.position = 2; },
                 u"<td align=%pos>\n</table>"_s, u"<td align=center>\n</table>"_s},
        LineCase{"MissingBoothLinesGiveNoBreakEither",
                 [](In& in) { in.record.ComboMyBooth.position = 2, in.linkTable.clear(); },
                 u"</%pos>"_s, kFooterAndClose},
        LineCase{"OwnBannerTextHoldingMarkersStaysAsTyped",
                 [](In& in) {
                     in.record.ComboMyBooth.position = 2;
                     in.record.OptionBooth1 = false, in.record.OptionBooth3 = true;
                     in.record.TextBoothUser = u"</%pos>"_s;
                 },
                 u"</%pos>"_s, u"<br></%pos>"_s + kFooterAndClose},
        LineCase{"EmptyOwnTextStillGetsItsBreak",
                 [](In& in) {
                     in.record.ComboMyBooth.position = 2;
                     in.record.OptionBooth1 = false, in.record.OptionBooth3 = true;
                 },
                 u"</%pos>"_s, u"<br>"_s + kFooterAndClose}));

// Schemes 0 to 8 come from the presets; 9 is the seller's own pair of colours.
INSTANTIATE_TEST_SUITE_P(
    ColourSchemes, PageRules,
    ::testing::Values(LineCase{"SellersOwnScheme",
                               [](In& in) {
                                   in.style.colourPreset = 9;
                                   in.mainColours = page::mainPresetColours(0x123456);
                                   in.subColours = page::subPresetColours(0x654321);
                               },
                               u"%maincolor %subcolor"_s, u"#563412 #214365"_s},
                      LineCase{"LastPresetBesideTheSellersOwn",
                               [](In& in) {
                                   in.style.colourPreset = 8;
                                   in.mainColours = page::mainPresetColours(0x123456);
                                   in.subColours = page::subPresetColours(0x654321);
                               },
                               u"%maincolor %subcolor"_s, u"#CCCC99 #EDEDCA"_s},
                      LineCase{"FirstPreset", [](In& in) { in.style.colourPreset = 0; },
                               u"%subcolor %maincolor"_s, u"#FFFFFF #FFFFFF"_s},
                      LineCase{"NoSchemeChosenIsTheDefault",
                               [](In& in) { in.style.colourPreset = 10; },
                               u"%maincolor %subcolor"_s, u"#FFCC33 #FFFFC0"_s}));

TEST(ColorToHtml, GivesTheDigitPairsFromTheRight) {
    // Past 0xFFFFFF the six leftmost digits are taken, so the top byte shifts into the result.
    const std::pair<qint32, QString> cases[] = {{0, u"#000000"_s},
                                                {255, u"#FF0000"_s},
                                                {74565, u"#452301"_s},
                                                {16777216, u"#000010"_s},
                                                {-16777216, u"#0000FF"_s}};
    for (const auto& [value, html] : cases)
        EXPECT_EQ(page::ColorToHtml(value), html) << value;
}

TEST(TitleRules, TidyThenCheckTheTitle) {
    const QString empty = u"タイトル名は必ず入力します。"_s,
                  tooLong = u"タイトル名が長すぎます。"_s;
    const struct {
        QString title, tidied;
        int check;
        QString message;
    } cases[] = {{QString(30, u'品'), QString(30, u'品'), 0, {}},
                 {QString(31, u'品'), QString(31, u'品'), 2, tooLong},
                 {QString(30, u'a'), QString(30, u'a'), 0, {}},
                 {u"ｶﾞ"_s.repeated(30), u"ｶﾞ"_s.repeated(30), 0, {}}, // one character each
                 {u"  　 "_s, QString(), 1, empty},
                 {u"\r\n\r\n"_s, QString(), 1, empty},
                 {u" 　a\r\nb\0c d　"_s, u"abc d"_s, 0, {}}};
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        EXPECT_EQ(page::NormalizeTitle(c.title), c.tidied);
        EXPECT_EQ(page::CheckTitle(c.tidied, prompter), c.check) << c.title.toStdString();
        EXPECT_EQ(prompter.texts.join(u'|'), c.message);
    }
}

TEST(TemplatePieces, SplitLikeThePieceReaderWhereverABlockEnds) {
    // Blocks of one to three bytes end inside every piece, quote and double-byte character;
    // ソ and 表 end in 0x5C, the byte of a backslash.
    const QByteArray texts[] = {
        "  <p>a</p>,\t<i>b</i>\r\n\r\nlast", "\"x,\r\ny\" tail,z\r\n\"open", "a,", "",
        "\x83,\xFF\xFF\r\nx\x81",
        platform::toCp932(u"ソ表,能\r\n表\"ソ\""_s, platform::Unmappable::Refuse),
        // Lead bytes at both ends of both ranges: 0x81, 0x9F, 0xE0, 0xEA, 0xFA, 0xFC.
        "\x81\x40\x9F\x40\xE0\x40\xEA\xA4,\xFA\x40\xFC\x4B\r\n\xFC\x4B"};
    TempAppFolder folder;
    for (const QByteArray& bytes : texts) {
        folder.writeBytes(u"t.tmpl"_s, bytes);
        QStringList expected;
        for (core::PieceReader reader(platform::fromCp932(bytes)); !reader.atEnd();)
            expected << reader.next();
        for (const int blockSize : {1, 2, 3, 65536}) {
            page::TemplatePieces pieces(folder.path(u"t.tmpl"_s), blockSize);
            QStringList streamed;
            while (const auto piece = pieces.next())
                streamed << *piece;
            EXPECT_EQ(streamed, expected) << bytes.toHex().toStdString() << " / " << blockSize;
        }
    }
}

} // namespace
