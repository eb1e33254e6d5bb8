#include "page/assemble_page.h"
#include "page/built_in_templates.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <tuple>

using namespace Qt::Literals::StringLiterals;

// Failures show the texts rather than their code units.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}

namespace {

const QString kOwnText = u"<b>%yahooid</b>"_s; // the seller's own text keeps "%yahooid"

// The built-in templates under first-run settings, worked out by hand: what each placeholder
// and heading word becomes for the listing of AssemblePageTest.
QStringList firstRunPage(QStringList lines) {
    const std::pair<QString, QString> expansions[] = {
        {u"%maincolor"_s, u"#FFCC33"_s},
        {u"%subcolor"_s, u"#FFFFC0"_s},
        {u"%width"_s, u"640"_s},
        {u"<%pos>"_s, u"<center>"_s},
        {u"</%pos>"_s,
         u"<br><br><font size=2 color=#777777>■　こちらの商品案内は　</font><a "
         u"href=\"H\" target='_blank'><font size=2 color=#000000>ともえオークション"
         u"</font></a><font size=2 color=#777777>　で作成しました　■</font></center>"_s},
        {u"%pos"_s, u"center"_s},
        {u"%title"_s, u"<b><font size=5><font color=#000000>テスト商品</font></font></b>"_s},
        {u"商品詳細"_s, u"<b><font color=#000000>商品詳細</font></b>"_s},
        {u"支払詳細"_s, u"<b><font color=#000000>支払詳細</font></b>"_s},
        {u"発送詳細"_s, u"<b><font color=#000000>発送詳細</font></b>"_s},
        {u"注意事項"_s, u"<b><font color=#000000>注意事項</font></b>"_s},
        {u"%str1"_s, u"一行目<br>二行目"_s},
        {u"%str2"_s,
         u"<font size=2><font color=#000000>・ゆうちょ銀行　\r\n<br>・Yahoo!かんたん決済"
         u"　\r\n</font></font>"_s},
        {u"%str3"_s, u"<br>落札価格 + 送料 がお支払い金額となります。"_s},
        {u"%str4"_s,
         u"<font size=2><font color=#000000>・ゆうパック60サイズ　800円</font></font>"_s},
        {u"%str5"_s, QString()},
        {u"%str6"_s, u"●ノークレーム・ノーリターンでお願いします。"_s},
    };
    for (QString& line : lines)
        for (const auto& [placeholder, text] : expansions)
            line.replace(placeholder, text);
    return lines;
}

class AssemblePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        core::ListingRecord& r = m_inputs.record;
        r.TextBoxタイトル = u"テスト商品"_s;
        r.TextBox商品説明 = u"一行目\r\n二行目"_s;
        r.Label支払い方法 = u"・ゆうちょ銀行　\r\n・Yahoo!かんたん決済　\r\n"_s;
        r.Label送料1 = u"・ゆうパック60サイズ　800円"_s;
        r.Text支払説明 = u"落札価格 + 送料 がお支払い金額となります。"_s;
        r.Text注意事項 = u"●ノークレーム・ノーリターンでお願いします。"_s;
        r.Textyahooid = u"seller"_s;
        r.TextBoothUser = kOwnText;
        m_inputs.linkTable = {u"<i>ゆうパック</i>"_s, u"<img src=button.gif id=%yahooid>"_s,
                              u"<img src=banner.gif id=%yahooid>"_s};
        m_inputs.homePage = u"H"_s;
        m_inputs.templatePath = m_folder.path(u"template/t.tmpl"_s);
        m_inputs.outputPath = m_folder.path(u"template/preview.html"_s);
    }
    QByteArray assemble(const QStringList& templateLines) {
        m_folder.writeLines(u"template/t.tmpl"_s, templateLines);
        m_written = page::AssemblePage(m_inputs, m_prompter);
        return m_folder.readBytes(u"template/preview.html"_s);
    }

    TempAppFolder m_folder;
    ScriptedPrompter m_prompter;
    page::PageInputs m_inputs;
    page::PageStyle m_written;
};

const QString kBanner = u"<img src=banner.gif id=seller>"_s;
const QString kButton = u"<img src=button.gif id=seller>"_s;

// The built-in template's number, the booth display (ComboMyBooth) and the booth kind
// (OptionBooth1 … 3).
class WholePage : public AssemblePageTest,
                  public ::testing::WithParamInterface<std::tuple<int, int, int>> {};

TEST_P(WholePage, IsTheTemplateExpandedByHand) {
    const auto& [number, display, kind] = GetParam();
    const QStringList lines = number == 1   ? page::builtInTemplate1Lines()
                              : number == 2 ? page::builtInTemplate2Lines()
                                            : page::builtInTemplate3Lines();
    m_inputs.record.ComboMyBooth.position = display;
    m_inputs.record.OptionBooth1 = kind == 1;
    m_inputs.record.OptionBooth2 = kind == 2;
    m_inputs.record.OptionBooth3 = kind == 3;
    const QString shown = kind == 1 ? kBanner : kind == 2 ? kButton : kOwnText;
    QStringList expected = firstRunPage(lines);
    if (display == 1)
        expected.first() += shown;
    if (display == 2)
        expected.last().prepend(u"<br>"_s + shown);
    EXPECT_EQ(assemble(lines), cp932Lines(expected));
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BuiltInTemplates, WholePage,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Values(0, 1, 2),
                                            ::testing::Values(1, 2, 3)));

TEST_F(AssemblePageTest, WorkedExampleIsLineFiveOfTemp2ByteForByte) {
    m_inputs.record.Label支払い方法 = u"・A・B"_s;
    m_inputs.record.TextBox商品説明.clear(); // no line break before line 5
    const QList<QByteArray> lines = assemble(page::builtInTemplate2Lines()).split('\n');
    ASSERT_GT(lines.size(), 4);
    EXPECT_EQ(
        lines[4] + '\n',
        cp932Lines({u"<tr><td bgcolor=#FFCC33 align=center width=20%><b><font "
                    u"color=#000000>支払詳細</font></b></td><td bgcolor=#FFFFC0 "
                    u"align=left><font size=2><font color=#000000>・A<br>・B</font></font><br>"
                    u"<br>落札価格 + 送料 がお支払い金額となります。</td></tr>"_s}));
}

TEST_F(AssemblePageTest, TwoPiecesOnALineEmojiAndStyleWrittenBack) {
    m_inputs.record.TextBox商品説明 = u"😀"_s;
    m_inputs.style.width = 7;
    m_inputs.style.colourPreset = 12;
    EXPECT_EQ(assemble({u"  <p>%str1</p>,<i>%width %maincolor</i>"_s}),
              QByteArray("<p>&#x1F600;</p>\r\n<i>640 #FFCC33</i>\r\n"));
    EXPECT_EQ(m_written, page::PageStyle{}); // the first-run style holds every fallback value
}

TEST_F(AssemblePageTest, MissingTemplateIsAnnouncedThenTemp1IsUsed) {
    m_inputs.templatePath = m_folder.path(u"template/gone.tmpl"_s);
    EXPECT_EQ(assemble({}), cp932Lines(firstRunPage(page::builtInTemplate1Lines())));
    EXPECT_EQ(m_prompter.texts,
              QStringList{u"テンプレートが見つかりません。デフォルトで作成します。"_s});
}

// A name from the profile that leads out of the template folder makes the default page, even
// when the file it names is there and holds a template.
class TemplateName : public AssemblePageTest, public ::testing::WithParamInterface<QString> {};
TEST_P(TemplateName, OutsideTheFolderGivesTheDefaultPage) {
    m_folder.writeLines(u"x.tmpl"_s, {u"outside"_s});
    m_folder.writeLines(u"template/sub/x.tmpl"_s, {u"below"_s});
    m_inputs.templatePath = page::templatePathIn(m_folder.path(u"template"_s), GetParam());
    EXPECT_EQ(assemble({}), cp932Lines(firstRunPage(page::builtInTemplate1Lines())));
    EXPECT_EQ(m_prompter.texts,
              QStringList{u"テンプレートの名前が正しくありません。デフォルトで作成します。"_s});
}
INSTANTIATE_TEST_SUITE_P(Refused, TemplateName,
                         ::testing::Values(u"../x.tmpl"_s, u"sub/x.tmpl"_s, u"..\\x.tmpl"_s,
                                           u"/etc/hostname"_s, u".."_s, QString()));

TEST_F(AssemblePageTest, PlainTemplateNameWithDotsIsUsed) {
    m_inputs.templatePath = page::templatePathIn(m_folder.path(u"template"_s), u"..t.tmpl"_s);
    m_folder.writeLines(u"template/..t.tmpl"_s, {u"own"_s});
    m_written = page::AssemblePage(m_inputs, m_prompter);
    EXPECT_EQ(m_folder.readBytes(u"template/preview.html"_s), "own\r\n");
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

TEST_F(AssemblePageTest, FailedPageIsReportedAndKeepsThePreviousOne) {
    const QString invalid = u"パス名またはファイル名が無効です。 (CH 75)"_s;
    const struct {
        QString templatePath, outputPath, message;
    } cases[] = {{u"template/t.tmpl"_s, u"gone/p.html"_s, {}}, // a missing folder is silent
                 {u"template/t.tmpl"_s, u"template"_s, invalid},
                 {u"template"_s, u"template/preview.html"_s, invalid},
                 // Opens, then fails on the first read (address 0 is never mapped) after the
                 // new page was begun.
                 {u"/proc/self/mem"_s, u"template/preview.html"_s, invalid}};
    m_folder.writeLines(u"template/t.tmpl"_s, page::builtInTemplate1Lines());
    for (const auto& c : cases) {
        m_folder.writeBytes(u"template/preview.html"_s, "old");
        m_prompter.texts.clear();
        m_inputs.templatePath =
            c.templatePath.startsWith(u'/') ? c.templatePath : m_folder.path(c.templatePath);
        m_inputs.outputPath = m_folder.path(c.outputPath);
        page::AssemblePage(m_inputs, m_prompter);
        EXPECT_EQ(m_prompter.texts.join(u'|'), c.message) << c.templatePath.toStdString();
        EXPECT_EQ(m_folder.readBytes(u"template/preview.html"_s), "old");
        EXPECT_EQ(QDir(m_folder.path(u"template"_s)).entryList(QDir::Files),
                  QStringList({u"preview.html"_s, u"t.tmpl"_s}));
    }
}

} // namespace
