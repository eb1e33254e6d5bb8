// The start-up sequence: lists, tables and rates filled from the text folder, and what a
// missing or oversized file does to the steps after it.
#include "form1_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <functional>
#include <ostream>

using namespace Qt::Literals::StringLiterals;

namespace {

class Form1Startup : public Form1Fixture {};

TEST_F(Form1Startup, FillsEveryListWithNothingChosen) {
    createForm();
    const std::pair<const char*, int> lists[] = {
        {"ComboBox商品サイズ", 10},
        {"ComboBox商品重さ", 15},
        {"ComboBoxクロネコメール便", 8},
        {"ComboBox表示幅", 5},
        {"ComboBox表示位置", 2},
        {"ComboMyBooth", 3},
        {"Combo都道府県", 48},
        {"ComboTS1", 2},
        {"ComboMS1", 2},
        {"ComboSR1", 2},
        {"ComboTS2", 3},
        {"ComboMS2", 2},
        {"ComboSR2", 2},
    };
    for (const auto& [name, count] : lists) {
        auto* combo = child<QComboBox>(QString::fromUtf8(name));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->count(), count) << name;
        EXPECT_EQ(combo->currentIndex(), -1) << name;
    }
    EXPECT_TRUE(m_prompter.texts.isEmpty()) << m_prompter.texts.join(u'|').toStdString();
}

TEST_F(Form1Startup, ShowsPageZeroTheTitleCounterAndThePrefecturePrompt) {
    createForm();
    EXPECT_EQ(child<QTabWidget>(u"SSTab1"_s)->currentIndex(), 0);
    EXPECT_EQ(child<QLabel>(u"Label12"_s)->text(), u"あと30文字"_s);
    auto* region = child<QComboBox>(u"Combo都道府県"_s);
    EXPECT_EQ(region->placeholderText(), u"都道府県を選択"_s);
    EXPECT_EQ(m_form->record().Combo都道府県, (core::ComboValue{u"都道府県を選択"_s, -1}));
}

// 47 names in the file still give 48 list entries, the last one empty.
TEST_F(Form1Startup, KeepsFortyEightRegionsAndElevenLinks) {
    createForm();
    const QStringList& regions = m_form->prefectureTable();
    ASSERT_EQ(regions.size(), 48);
    EXPECT_EQ(regions.mid(0, 47), defaultRegionLines());
    EXPECT_EQ(regions[47], QString());
    auto* list = child<QComboBox>(u"Combo都道府県"_s);
    EXPECT_EQ(list->itemText(12), u"東京都"_s);
    EXPECT_EQ(list->itemText(47), QString());
    const QStringList& links = m_form->linkTable();
    ASSERT_EQ(links.size(), 11);
    EXPECT_EQ(links.mid(0, 5), defaultLinkLines());
    EXPECT_EQ(links.mid(5), QStringList(6, QString()));
}

TEST_F(Form1Startup, LoadsTheRatesOnce) {
    createForm();
    const content::ShippingRateTable& rates = m_form->shippingRates();
    EXPECT_EQ(rates.standardLetter.count, 2);
    EXPECT_EQ(rates.nonStandardLetter.count, 8);
    EXPECT_EQ(rates.takkyubin.count, 6);
    EXPECT_EQ(rates.hakoBoon.count, 6);
}

// The explanation boxes are filled from their files, and neither the first showing nor a
// later activation puts anything on the clipboard.
TEST_F(Form1Startup, LeavesTheSellersClipboardAlone) {
    const SellersClipboard copied(u"売り手のメモ"_s);
    createForm();
    showActive();
    leaveAndComeBack();
    EXPECT_TRUE(copied.untouched());
    EXPECT_EQ(m_form->workspace().applicationFolder, m_folder.path());
    EXPECT_FALSE(child<QPlainTextEdit>(u"Text注意事項"_s)->toPlainText().isEmpty());
}

// What a broken text file leaves behind: the message, and which later steps still ran.
struct FailureCase {
    std::string name;
    std::function<void(Form1Fixture&)> breakFiles;
    std::function<QString(const Form1Fixture&)> message;
    int regionItems;
    bool fontListsFilled;
    int links;       // link lines loaded
    int letterRates; // 定形郵便物 rows loaded
};
void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class Form1StartupFailure : public Form1Fixture,
                            public ::testing::WithParamInterface<FailureCase> {};

QStringList repeated(const QString& line, int count) {
    return QStringList(count, line);
}

const QString kNotFound = u"ファイルがありません。(FI　"_s;

TEST_P(Form1StartupFailure, ReportsOnceAndStopsOrGoesOn) {
    const FailureCase& c = GetParam();
    c.breakFiles(*this);
    createForm();
    EXPECT_EQ(m_prompter.texts, QStringList{c.message(*this)});
    EXPECT_EQ(child<QComboBox>(u"Combo都道府県"_s)->count(), c.regionItems);
    EXPECT_EQ(child<QComboBox>(u"ComboTS1"_s)->count(), c.fontListsFilled ? 2 : 0);
    EXPECT_EQ(child<QComboBox>(u"ComboSR2"_s)->count(), c.fontListsFilled ? 2 : 0);
    EXPECT_EQ(m_form->linkTable().size(), 11);
    EXPECT_EQ(m_form->linkTable().count(QString()), 11 - c.links);
    EXPECT_EQ(m_form->shippingRates().standardLetter.count, c.letterRates);
    // Lists filled before the file steps are there whatever happens to them.
    EXPECT_EQ(child<QComboBox>(u"ComboBox商品サイズ"_s)->count(), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Form1StartupFailure,
    ::testing::Values(
        FailureCase{
            "MissingRegionList", [](Form1Fixture& f) { f.removeTextFile(u"都道府県.txt"_s); },
            [](const Form1Fixture& f) { return kNotFound + f.textFilePath(u"都道府県.txt"_s); }, 0,
            false, 0, 0},
        FailureCase{
            "MissingLinkFile", [](Form1Fixture& f) { f.removeTextFile(u"リンク情報.txt"_s); },
            [](const Form1Fixture& f) { return kNotFound + f.textFilePath(u"リンク情報.txt"_s); },
            48, true, 0, 0},
        FailureCase{"MissingRates", [](Form1Fixture& f) { f.removeTextFile(u"配送.txt"_s); },
                    [](const Form1Fixture& f) { return kNotFound + f.textFilePath(u"配送.txt"_s); },
                    48, true, 5, 0},
        // A 49th name, 12th link or 11th row of one kind is left out and start-up goes on.
        FailureCase{
            "FortyNineRegions",
            [](Form1Fixture& f) { f.writeTextFile(u"都道府県.txt"_s, repeated(u"東京都"_s, 49)); },
            [](const Form1Fixture&) { return u"インデックスが有効範囲にありません。 (FI 9)"_s; },
            48, true, 5, 2},
        FailureCase{
            "TwelveLinks",
            [](Form1Fixture& f) {
                f.writeTextFile(u"リンク情報.txt"_s, repeated(u"<a href=x>リンク</a>"_s, 12));
            },
            [](const Form1Fixture&) { return u"インデックスが有効範囲にありません。 (FI 9)"_s; },
            48, true, 11, 2},
        FailureCase{
            "ElevenLetterRates",
            [](Form1Fixture& f) {
                f.writeTextFile(u"配送.txt"_s, repeated(u"定形郵便物,25,80,0"_s, 11));
            },
            [](const Form1Fixture&) { return u"インデックスが有効範囲にありません。 (FI 9)"_s; },
            48, true, 5, 10},
        FailureCase{"RateThatIsNoNumber",
                    [](Form1Fixture& f) {
                        f.writeTextFile(u"配送.txt"_s,
                                        {u"定形郵便物,25,80,0"_s, u"定形郵便物,重い,90,0"_s});
                    },
                    [](const Form1Fixture&) { return u"型が一致しません。 (FI 13)"_s; }, 48, true,
                    5, 1}),
    [](const auto& info) { return info.param.name; });

} // namespace
