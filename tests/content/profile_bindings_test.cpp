// The one table of profile keys drives the first-run files, the restore and the save; a
// key that one of them dropped would lose the seller's choice without a word.
#include "content/listing_form_restore.h"
#include "content/listing_form_save.h"
#include "content/profile_bindings.h"
#include "content/web_addresses.h"
#include "platform/text_file.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using content::ProfileBinding;
using H = core::HeldSelections;
using R = core::ListingRecord;

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

bool isBound(const ProfileBinding& b) {
    return !std::holds_alternative<std::monostate>(b.record) ||
           !std::holds_alternative<std::monostate>(b.held);
}

// A value for key number `n` that differs from its first-run value and from every other key.
void setDistinct(const ProfileBinding& b, int n, R& record, H& held) {
    const bool firstRunOn = b.firstRun && QStringView(b.firstRun) == u"1";
    if (!std::holds_alternative<std::monostate>(b.record)) {
        std::visit(Overloaded{[](std::monostate) {},
                              [&](core::CheckValue R::*box) { record.*box = firstRunOn ? 0 : 1; },
                              [&](QString R::*text) { record.*text = u"値%1"_s.arg(n); },
                              [&](core::ComboValue R::*list) { (record.*list).position = n + 2; },
                              [&](platform::ColourValue R::*colour) {
                                  record.*colour = platform::ColourValue(0x010203 * (n + 1));
                              }},
                   b.record);
        return;
    }
    std::visit(Overloaded{[](std::monostate) {},
                          [&](QString H::*text) { held.*text = u"t%1"_s.arg(n); },
                          [&](auto H::*number) { held.*number = n + 2; }},
               b.held);
}

// What the restore put where the key's value lives, as the text the save would write.
QString restoredText(const ProfileBinding& b, const R& record, const H& held) {
    const auto number = [](auto value) { return QString::number(value); };
    if (!std::holds_alternative<std::monostate>(b.held)) {
        return std::visit(Overloaded{[](std::monostate) { return QString(); },
                                     [&](QString H::*text) { return held.*text; },
                                     [&](auto H::*field) { return number(held.*field); }},
                          b.held);
    }
    if (const auto* box = std::get_if<core::CheckValue R::*>(&b.record))
        return number(record.*(*box));
    return record.*std::get<QString R::*>(b.record);
}

class ProfileBindings : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(m_app.path(u"ini"_s)); }

    TempAppFolder m_app;
    profile::Profiles m_profiles{m_app.path()};
};

TEST_F(ProfileBindings, EveryKeySavedComesBackFromTheRestore) {
    R saved;
    H held;
    int n = 0;
    for (const ProfileBinding& b : content::profileBindings())
        setDistinct(b, n++, saved, held);
    const content::FormSaveOutcome outcome = content::SaveListingForm({m_app.path()}, saved, held);
    ASSERT_EQ(outcome.failure, std::nullopt);
    ASSERT_EQ(outcome.replacedFields, QStringList());

    R restored;
    H restoredHeld;
    ScriptedPrompter prompter; // the explanation files are missing: their messages only
    content::RestoreListingForm({m_app.path()}, restored, restoredHeld, prompter);
    for (const ProfileBinding& b : content::profileBindings()) {
        if (!isBound(b))
            continue;
        const QString written = content::savedProfileValue(b, saved, held);
        // A value equal to the first-run one would come back even if the key were lost.
        EXPECT_NE(written, QString::fromUtf16(b.firstRun ? b.firstRun : u"0"))
            << b.key.toString().toStdString();
        EXPECT_EQ(restoredText(b, restored, restoredHeld), written)
            << b.key.toString().toStdString();
    }
}

// A pasted emoji or en dash used to stop the save at its key, and every later key kept its
// old value without a word.
TEST_F(ProfileBindings, ACharacterCp932LacksIsSavedAsAQuestionMarkAndEveryOtherKeyToo) {
    R saved;
    H held;
    int n = 0;
    for (const ProfileBinding& b : content::profileBindings())
        setDistinct(b, n++, saved, held);
    saved.TextBoxゆうちょ記号 = u"12😀3"_s;     // among the first keys written
    held.templateName = u"temp\u2013x.tmpl"_s; // an en dash, in another file
    const content::FormSaveOutcome outcome = content::SaveListingForm({m_app.path()}, saved, held);
    EXPECT_EQ(outcome.failure, std::nullopt);
    EXPECT_EQ(outcome.replacedFields, (QStringList{u"ゆうちょ銀行の記号"_s, u"テンプレート"_s}));

    R restored;
    H restoredHeld;
    ScriptedPrompter prompter;
    content::RestoreListingForm({m_app.path()}, restored, restoredHeld, prompter);
    EXPECT_EQ(restored.TextBoxゆうちょ記号, u"12?3"_s);
    EXPECT_EQ(restoredHeld.templateName, u"temp?x.tmpl"_s);
    restored.TextBoxゆうちょ記号 = saved.TextBoxゆうちょ記号;
    restoredHeld.templateName = held.templateName;
    for (const ProfileBinding& b : content::profileBindings()) {
        if (isBound(b)) {
            EXPECT_EQ(restoredText(b, restored, restoredHeld),
                      content::savedProfileValue(b, saved, held))
                << b.key.toString().toStdString();
        }
    }
}

TEST_F(ProfileBindings, FirstRunFilesHoldExactlyTheTableDefaults) {
    content::CreateDefaultAuctionIni(m_profiles);
    content::CreateDefaultSettingIni(m_profiles);
    content::CreateDefaultBasicIni(m_profiles);
    std::map<content::ProfileFileId, int> keys;
    for (const ProfileBinding& b : content::profileBindings()) {
        if (!b.firstRun) {
            EXPECT_EQ(content::readProfileText(m_profiles, b), QString());
            continue;
        }
        ++keys[b.file];
        EXPECT_EQ(content::readProfileText(m_profiles, b), QString::fromUtf16(b.firstRun))
            << b.key.toString().toStdString();
    }
    // Nothing but the table's keys: every line is a section or one of them.
    const std::pair<content::ProfileFileId, QString> files[] = {
        {content::ProfileFileId::Auction, u"ini/auction.ini"_s},
        {content::ProfileFileId::Setting, u"ini/setting.ini"_s},
        {content::ProfileFileId::Basic, u"ini/basic.ini"_s}};
    for (const auto& [file, name] : files) {
        const QStringList lines =
            platform::readText(m_app.path(name)).split(u"\r\n"_s, Qt::SkipEmptyParts);
        EXPECT_EQ(lines.filter(u"="_s).size(), keys[file]) << name.toStdString();
        EXPECT_EQ(lines.size() - lines.filter(u"="_s).size(), lines.filter(u"["_s).size());
    }
}

// Each [web] key replaces its own address and no other; an empty value keeps the default.
using Address = QString content::WebAddresses::*;
class WebAddressKey : public ::testing::TestWithParam<std::pair<const char16_t*, Address>> {};

TEST_P(WebAddressKey, ReplacesOnlyItsOwnAddress) {
    const auto [key, field] = GetParam();
    TempAppFolder app;
    app.writeLines(u"ini/setting.ini"_s,
                   {u"[web]"_s, QString::fromUtf16(key) + u"=http://127.0.0.1:8/"_s, u"home="_s});
    content::WebAddresses expected;
    expected.*field = u"http://127.0.0.1:8/"_s;
    const content::WebAddresses read = content::readWebAddresses(core::Workspace{app.path()});
    for (Address each : {&content::WebAddresses::home, &content::WebAddresses::store,
                         &content::WebAddresses::login, &content::WebAddresses::mystatus,
                         &content::WebAddresses::japanpost, &content::WebAddresses::yamato,
                         &content::WebAddresses::manual})
        EXPECT_EQ(read.*each, expected.*each) << (expected.*each).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Keys, WebAddressKey,
    ::testing::Values(std::pair{u"store", &content::WebAddresses::store},
                      std::pair{u"login", &content::WebAddresses::login},
                      std::pair{u"mystatus", &content::WebAddresses::mystatus},
                      std::pair{u"japanpost", &content::WebAddresses::japanpost},
                      std::pair{u"yamato", &content::WebAddresses::yamato},
                      std::pair{u"manual", &content::WebAddresses::manual}),
    [](const auto& info) { return QString::fromUtf16(info.param.first).toStdString(); });

} // namespace
