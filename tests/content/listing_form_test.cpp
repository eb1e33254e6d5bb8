#include "content/listing_form_apply.h"
#include "content/listing_form_controller.h"
#include "content/listing_form_restore.h"
#include "content/listing_form_save.h"
#include "content/profile_bindings.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using core::ListingRecord;
using R = ListingRecord;

// The record's fields the profile files keep, of one kind, in the order of the files.
template <typename Field> std::vector<Field> keptFields() {
    std::vector<Field> fields;
    for (const content::ProfileBinding& binding : content::profileBindings()) {
        if (const auto* field = std::get_if<Field>(&binding.record))
            fields.push_back(*field);
    }
    return fields;
}
const auto kChecks = keptFields<core::CheckValue R::*>();
const auto kTexts = keptFields<QString R::*>();
const auto kCombos = keptFields<core::ComboValue R::*>();
const auto kColours = keptFields<platform::ColourValue R::*>();
// The boxes ticked on a first run.
const std::vector<core::CheckValue R::*> kFirstRunTicks = {
    &R::CheckBoxかんたん決済, &R::Check発送説明, &R::CheckBoxゆうパック,
    &R::CheckBoxクロネコ宅急便};

bool tickedAtFirstRun(core::CheckValue R::*box) {
    return std::find(kFirstRunTicks.begin(), kFirstRunTicks.end(), box) != kFirstRunTicks.end();
}

const QString kPayment = u"落札価格 + 送料 がお支払い金額となります。"_s;
const QString kShipping = u"配送時の事故等については当方は一切責任を負えません。"_s;
const QString kNotes = u"●ノークレーム・ノーリターンでお願いします。"_s;

content::FormLists formLists() {
    QStringList prefectures; // 48 entries, the last empty as with the 47-line default file
    for (int i = 1; i <= 47; ++i)
        prefectures << u"県%1"_s.arg(i);
    return content::standardFormLists(prefectures << QString());
}

class ListingForm : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(m_app.path(u"ini"_s)); // made by the workspace before the files
        content::CreateDefaultAuctionIni(m_profiles);
        content::CreateDefaultSettingIni(m_profiles);
        content::CreateDefaultBasicIni(m_profiles);
        m_app.writeLines(u"text/支払い説明.txt"_s, {kPayment});
        m_app.writeLines(u"text/発送説明.txt"_s, {kShipping});
        m_app.writeLines(u"text/注意事項.txt"_s, {kNotes});
        for (auto check : kChecks) // so that an unrestored box shows up
            m_record.*check = 1;
        m_record.Text支払説明 = m_record.Text発送注意事項 = m_record.Text注意事項 = u"old"_s;
        m_held.weightPosition = m_held.mailBinDefaultPosition = m_held.regionPosition = 99;
        m_held.colourPreset = m_held.boothOption = 99;
        m_held.userMainColour = m_held.templateName = u"-"_s;
    }
    void restore() { content::RestoreListingForm({m_app.path()}, m_record, m_held, m_prompter); }
    std::optional<platform::Error> apply() {
        return content::ApplyHeldSelections(m_held, formLists(), {}, m_record);
    }

    TempAppFolder m_app;
    profile::Profiles m_profiles{m_app.path()};
    ListingRecord m_record;
    core::HeldSelections m_held;
    ScriptedPrompter m_prompter;
};

TEST_F(ListingForm, FirstRunFilesGiveTheFirstRunForm) {
    restore();
    ASSERT_EQ(m_prompter.texts, QStringList{});
    ASSERT_EQ(kChecks.size(), 27u);
    for (std::size_t i = 0; i < kChecks.size(); ++i)
        EXPECT_EQ(m_record.*kChecks[i], tickedAtFirstRun(kChecks[i]) ? 1 : 0) << "check " << i;
    EXPECT_EQ(m_record.Text支払説明, kPayment + u"\r\n"_s);
    EXPECT_EQ(m_record.Text発送注意事項, kShipping + u"\r\n"_s);
    EXPECT_EQ(m_record.Text注意事項, kNotes + u"\r\n"_s);
    core::HeldSelections firstRun; // its start values are the first-run values
    EXPECT_EQ(m_held, firstRun);

    m_record.Combo都道府県.text = u"都道府県を選択"_s;
    ASSERT_EQ(apply(), std::nullopt);
    EXPECT_EQ(m_record.Label支払い方法, u"・Yahoo!かんたん決済　\r\n"_s);
    EXPECT_EQ(m_record.colourPreset, 1);
    EXPECT_EQ(m_record.Combo都道府県, (core::ComboValue{u"都道府県を選択"_s, -1}));
    EXPECT_TRUE(m_record.OptionBooth1 && !m_record.OptionBooth2 && !m_record.OptionBooth3);
    EXPECT_EQ(m_record.Label15, u"テンプレート：temp1.tmpl"_s);
    EXPECT_EQ(m_record.ComboTS2, (core::ComboValue{u"大"_s, 1}));
}

TEST_F(ListingForm, WhatIsSavedComesBackOnTheNextStart) {
    ListingRecord saved;
    for (std::size_t i = 0; i < kChecks.size(); ++i)
        saved.*kChecks[i] = tickedAtFirstRun(kChecks[i]) ? 0 : 1;
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        saved.*kTexts[i] = u"値%1"_s.arg(i);
    const content::FormLists lists = formLists();
    const QStringList* items[] = {
        &lists.sizes,         &lists.weights,       &lists.envelopeClasses,  &lists.prefectures,
        &lists.boothDisplays, &lists.displayWidths, &lists.displayPositions, &lists.titleStyles,
        &lists.titleSizes,    &lists.headingStyles, &lists.headingSizes,     &lists.textStyles,
        &lists.textSizes};
    ASSERT_EQ(kCombos.size(), std::size(items));
    for (std::size_t i = 0; i < kCombos.size(); ++i) // the last item, except where first run has it
        saved.*kCombos[i] = {items[i]->last(), int(items[i]->size()) - 1};
    saved.Combo都道府県 = {u"県47"_s, 46};
    saved.ComboTS1 = saved.ComboMS1 = {u"標準"_s, 0};
    for (std::size_t i = 0; i < kColours.size(); ++i)
        saved.*kColours[i] = platform::ColourValue(0x000000FF << (4 * i)); // red first
    core::HeldSelections held;
    held.colourPreset = 7;
    held.boothOption = 3;
    held.templateName = u"temp3.tmpl"_s;

    ASSERT_EQ(content::SaveListingForm({m_app.path()}, saved, held).failure, std::nullopt);
    restore();
    ASSERT_EQ(apply(), std::nullopt);

    ASSERT_EQ(m_prompter.texts, QStringList{});
    for (std::size_t i = 0; i < kChecks.size(); ++i)
        EXPECT_EQ(m_record.*kChecks[i], saved.*kChecks[i]) << "check " << i;
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        EXPECT_EQ(m_record.*kTexts[i], saved.*kTexts[i]) << "text " << i;
    for (std::size_t i = 0; i < kCombos.size(); ++i)
        EXPECT_EQ(m_record.*kCombos[i], saved.*kCombos[i]) << "list " << i;
    for (std::size_t i = 0; i < kColours.size(); ++i)
        EXPECT_EQ(m_record.*kColours[i], saved.*kColours[i]) << "colour " << i;
    EXPECT_EQ(m_record.colourPreset, 7);
    EXPECT_TRUE(m_record.OptionBooth3);
    EXPECT_EQ(m_record.Label15, u"テンプレート：temp3.tmpl"_s);

    // A few raw lines: the keys and their encodings, which other readers of the files share.
    auto holds = [&](const QString& file, const QString& line) {
        return (QByteArray("\r\n") + m_app.readBytes(u"ini/"_s + file))
                   .count("\r\n" + cp932Lines({line})) == 1;
    };
    EXPECT_TRUE(holds(u"auction.ini"_s, u"商品重さ=14"_s));
    EXPECT_TRUE(holds(u"auction.ini"_s, u"bk2siten=値6"_s));
    EXPECT_TRUE(holds(u"auction.ini"_s, u"メール便onoff=1"_s)); // one key for both boxes
    EXPECT_TRUE(holds(u"basic.ini"_s, u"tiiki=46"_s));
    EXPECT_TRUE(holds(u"basic.ini"_s, u"boothselect=3"_s));
    EXPECT_TRUE(holds(u"setting.ini"_s, u"main=7"_s));
    EXPECT_TRUE(holds(u"setting.ini"_s, u"userM=255"_s));
    EXPECT_TRUE(holds(u"setting.ini"_s, u"srclr=16711680"_s)); // blue
    EXPECT_TRUE(holds(u"setting.ini"_s, u"name=temp3.tmpl"_s));
}

// A hand-edited number that cannot be read: one message, its value keeps its start value,
// and the keys after it, in its own group and later, are still restored.
struct BadKey {
    const char* name;
    std::function<void(const profile::Profiles&)> spoil;
    QString message;
    std::function<bool(const R&, const core::HeldSelections&)> restoredAfter;
};
void PrintTo(const BadKey& c, std::ostream* os) {
    *os << c.name;
}

class ListingFormWithBadKey : public ListingForm, public ::testing::WithParamInterface<BadKey> {};

TEST_P(ListingFormWithBadKey, ReportsItOnceAndRestoresTheRest) {
    m_profiles.WriteBasicIni(u"yahoo"_s, u"id"_s, u"seller"_s);
    m_profiles.WriteAuctionIni(u"Section発送"_s, u"宅急便onoff"_s, u"0"_s);
    GetParam().spoil(m_profiles);
    restore();
    EXPECT_EQ(m_prompter.texts, QStringList{GetParam().message});
    EXPECT_TRUE(GetParam().restoredAfter(m_record, m_held));
    EXPECT_EQ(m_record.CheckBoxネットバンキング, 0);
    EXPECT_EQ(m_held.templateName, u"temp1.tmpl"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ListingFormWithBadKey,
    ::testing::Values(
        BadKey{"weight not a number",
               [](auto& p) { p.WriteAuctionIni(u"Section商品"_s, u"商品重さ"_s, u"abc"_s); },
               u"型が一致しません。 (GI 13)"_s,
               [](auto&, auto& h) { return h.weightPosition == 99; }},
        BadKey{
            "mail-bin beyond 16 bits",
            [](auto& p) { p.WriteAuctionIni(u"Section発送"_s, u"メール便default"_s, u"40000"_s); },
            u"オーバーフローしました。 (GI 6)"_s,
            [](auto& r, auto&) { return r.CheckBoxクロネコ宅急便 == 0; }},
        BadKey{"region empty", [](auto& p) { p.WriteBasicIni(u"haso"_s, u"tiiki"_s, u""_s); },
               u"型が一致しません。 (GI 13)"_s,
               [](auto& r, auto&) { return r.Textyahooid == u"seller"_s; }}));

// An explanation file that cannot be read: the loader's message, an empty paragraph, and the
// restore goes on.
struct BadFile {
    QString file;
    bool missing; // else empty
    QString R::*field;
};
void PrintTo(const BadFile& c, std::ostream* os) {
    *os << c.file.toStdString() << (c.missing ? " missing" : " empty");
}

class ListingFormWithBadFile : public ListingForm, public ::testing::WithParamInterface<BadFile> {};

TEST_P(ListingFormWithBadFile, LeavesItsParagraphEmptyAndGoesOn) {
    if (GetParam().missing)
        ASSERT_TRUE(QFile::remove(m_app.path(u"text/"_s + GetParam().file)));
    else
        m_app.writeBytes(u"text/"_s + GetParam().file, {});
    restore();
    EXPECT_EQ(m_prompter.texts,
              QStringList{GetParam().missing
                              ? u"ファイルが見つかりません。 (Insert 53)"_s
                              : u"ファイルにこれ以上データがありません。 (Insert 62)"_s});
    EXPECT_EQ(m_record.*GetParam().field, QString());
    EXPECT_EQ(m_record.CheckBoxネットバンキング, 0); // the next step
    EXPECT_EQ(m_held.templateName, u"temp1.tmpl"_s);
}

INSTANTIATE_TEST_SUITE_P(Files, ListingFormWithBadFile,
                         ::testing::Values(BadFile{u"支払い説明.txt"_s, true, &R::Text支払説明},
                                           BadFile{u"発送説明.txt"_s, true, &R::Text発送注意事項},
                                           BadFile{u"注意事項.txt"_s, false, &R::Text注意事項}));

// A held value that cannot be applied: its error, that value left as it was, and every other
// value applied all the same (else the exit save would store "nothing chosen" for them).
struct BadHeld {
    const char* name;
    std::function<void(core::HeldSelections&)> spoil;
    int errorNumber;
    std::function<bool(const ListingRecord&)> leftAlone, appliedAfter;
};
void PrintTo(const BadHeld& c, std::ostream* os) {
    *os << c.name;
}

class ApplyWithBadHeld : public ::testing::TestWithParam<BadHeld> {};

TEST_P(ApplyWithBadHeld, ReportsItAndAppliesTheRest) {
    core::HeldSelections held;
    held.colourPreset = 5;
    held.boothOption = 2;
    GetParam().spoil(held);
    ListingRecord record;
    record.Label15 = u"-"_s;
    record.ComboMS1.position = record.ComboBox商品サイズ.position = 99;
    record.CommandT = 0x00ABCDEF;
    const auto error = content::ApplyHeldSelections(held, formLists(), {}, record);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->number(), GetParam().errorNumber);
    EXPECT_TRUE(GetParam().leftAlone(record));
    EXPECT_TRUE(GetParam().appliedAfter(record));
    EXPECT_EQ(record.colourPreset, 5);
}

INSTANTIATE_TEST_SUITE_P(
    HeldValues, ApplyWithBadHeld,
    ::testing::Values(
        BadHeld{"size past the list", [](auto& h) { h.sizePosition = u"10"_s; }, 380,
                [](auto& r) { return r.ComboBox商品サイズ.position == 99; },
                [](auto& r) { return r.ComboMS1.position == 1; }},
        BadHeld{"size not a number", [](auto& h) { h.sizePosition = u""_s; }, 13,
                [](auto& r) { return r.ComboBox商品サイズ.position == 99; },
                [](auto& r) { return r.OptionBooth2; }},
        BadHeld{"display width past the list", [](auto& h) { h.displayWidthPosition = u"7"_s; },
                380, [](auto& r) { return r.ComboBox表示幅.position == -1; },
                [](auto& r) { return r.Label15 == u"テンプレート：temp1.tmpl"_s; }},
        BadHeld{"title colour", [](auto& h) { h.titleColour = u"16777216"_s; }, 380,
                [](auto& r) { return r.CommandT == 0x00ABCDEFu; },
                [](auto& r) { return r.ComboMS1.position == 1 && r.ComboTS2.position == 1; }}));

struct OptionCase {
    int held, colourPreset, booth; // the record's preset starts at 3
};
void PrintTo(const OptionCase& c, std::ostream* os) {
    *os << "held " << c.held;
}

class ApplyOptions : public ::testing::TestWithParam<OptionCase> {};

// Presets 0-9 select their button and other values none; booth options 2 and 3 select their
// button and other values OptionBooth1.
TEST_P(ApplyOptions, SelectTheMatchingOptionButton) {
    core::HeldSelections held;
    held.colourPreset = held.boothOption = GetParam().held;
    ListingRecord record;
    record.colourPreset = 3;
    record.OptionBooth1 = false;
    record.OptionBooth3 = true;
    ASSERT_EQ(content::ApplyHeldSelections(held, formLists(), {}, record), std::nullopt);
    EXPECT_EQ(record.colourPreset, GetParam().colourPreset);
    EXPECT_EQ((std::array{record.OptionBooth1, record.OptionBooth2, record.OptionBooth3}),
              (std::array{GetParam().booth == 1, GetParam().booth == 2, GetParam().booth == 3}));
}

INSTANTIATE_TEST_SUITE_P(Values, ApplyOptions,
                         ::testing::Values(OptionCase{0, 0, 1}, OptionCase{1, 1, 1},
                                           OptionCase{2, 2, 2}, OptionCase{9, 9, 1},
                                           OptionCase{10, 3, 1}, OptionCase{-1, 3, 1}));

TEST_F(ListingForm, AFileThatCannotBeWrittenKeepsNoOtherKeyFromBeingSaved) {
    ListingRecord record;
    record.CheckBox最安値 = 1; // written before basic.ini
    record.Check注意事項 = 1;  // written after it
    core::HeldSelections held;
    held.colourPreset = 7;
    // A folder where basic.ini should be: every write to it fails.
    ASSERT_TRUE(QFile::remove(m_app.path(u"ini/basic.ini"_s)));
    ASSERT_TRUE(QDir().mkdir(m_app.path(u"ini/basic.ini"_s)));
    const auto outcome = content::SaveListingForm({m_app.path()}, record, held);
    ASSERT_TRUE(outcome.failure.has_value());
    EXPECT_EQ(outcome.failure->number(), platform::ErrorNumber::PathFileAccessError);
    EXPECT_EQ(m_profiles.ReadAuctionIni(u"Section発送"_s, u"最安値onoff"_s, false), u"1"_s);
    EXPECT_EQ(m_profiles.ReadAuctionIni(u"Section基本注意"_s, u"setumeionoff"_s, false), u"1"_s);
    EXPECT_EQ(m_profiles.ReadSettingIni(u"color"_s, u"main"_s), u"7"_s);
}

// One message for the whole save, naming every value that lost a character.
TEST_F(ListingForm, TheSellerIsToldOnceWhichValuesLostACharacter) {
    content::ListingFormController form({m_app.path()}, m_prompter);
    ListingRecord record;
    record.TextBoothUser = u"<b>2\u20133</b>"_s; // an en dash
    record.TextBox銀行名1 = u"銀行😀"_s;
    form.save(record);
    EXPECT_EQ(m_prompter.texts,
              QStringList{u"「銀行名1」「ユーザー設定のHTML」には保存できない文字があったため、"
                          u"「?」に置き換えて保存しました。"_s});
    EXPECT_EQ(m_profiles.ReadBasicIni(u"yahoo"_s, u"boothuser"_s, false), u"<b>2?3</b>"_s);
}

} // namespace
