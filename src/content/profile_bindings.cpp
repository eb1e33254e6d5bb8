#include "profile_bindings.h"

#include "aids/editor.h"
#include "core/workspace.h"
#include "number_text.h"

namespace content {
namespace {

using core::Workspace;
using H = core::HeldSelections;
using R = core::ListingRecord;
constexpr ProfileFileId kAuction = ProfileFileId::Auction;
constexpr ProfileFileId kSetting = ProfileFileId::Setting;
constexpr ProfileFileId kBasic = ProfileFileId::Basic;

constexpr ProfileBinding binding(ProfileFileId file, QStringView section, QStringView key,
                                 RecordField record, HeldField held, const char16_t* firstRun,
                                 NumberText number = NumberText::Whole) {
    return {file, section, key, record, held, number, firstRun, {}, nullptr, {}};
}

// A value the seller types (or, for the template, a file name the seller chose).
constexpr ProfileBinding labelled(ProfileBinding entry, QStringView label) {
    entry.label = label;
    return entry;
}

constexpr ProfileBinding flag(QStringView section, QStringView key, core::CheckValue R::*box,
                              const char16_t* firstRun) {
    return binding(kAuction, section, key, box, {}, firstRun);
}

// A text the seller types, called in messages by its control's accessible name.
constexpr ProfileBinding text(ProfileFileId file, QStringView section, QStringView key,
                              QString R::*field) {
    return labelled(binding(file, section, key, field, {}, u""), accessibleNameOf(field));
}

// Written at first run only; the action that uses it reads it itself.
constexpr ProfileBinding firstRunOnly(QStringView section, QStringView key,
                                      const char16_t* firstRun) {
    return binding(kAuction, section, key, {}, {}, firstRun);
}

// A flag whose key is followed by the explanation paragraph it switches.
constexpr ProfileBinding explained(ProfileBinding switchKey, QStringView file,
                                   QString R::*paragraph) {
    switchKey.explanationFile = file;
    switchKey.explanation = paragraph;
    return switchKey;
}

// A list position or colour: held between the restore and the activation, saved from the
// control.
constexpr ProfileBinding held(ProfileFileId file, QStringView section, QStringView key,
                              HeldField value, RecordField saved, const char16_t* firstRun,
                              NumberText number = NumberText::Whole) {
    return binding(file, section, key, saved, value, firstRun, number);
}

constexpr QStringView kItem = u"Section商品";
constexpr QStringView kPay = u"Section支払い";
constexpr QStringView kShip = u"Section発送";
constexpr QStringView kSwitch = u"setumeionoff";

// clang-format off
// constexpr, so the table is there before any other static value that reads it.
constexpr ProfileBinding kBindings[] = {
    held(kAuction, kItem, u"商品サイズ", &H::sizePosition, &R::ComboBox商品サイズ, u"0"),
    held(kAuction, kItem, u"商品重さ", &H::weightPosition, &R::ComboBox商品重さ, u"0"),
    explained(flag(kPay, kSwitch, &R::Check支払いl説明, u"0"), Workspace::PaymentPhraseFile, &R::Text支払説明),
    flag(kPay, u"ychonoff", &R::CheckBoxゆうちょ銀行, u"0"),
    text(kAuction, kPay, u"ychkigou", &R::TextBoxゆうちょ記号),
    text(kAuction, kPay, u"ychno", &R::TextBoxゆうちょ番号),
    flag(kPay, u"bk1onoff", &R::CheckBox銀行1, u"0"),
    text(kAuction, kPay, u"bk1name", &R::TextBox銀行名1),
    text(kAuction, kPay, u"bk1siten", &R::TextBox支店名1),
    text(kAuction, kPay, u"bk1no", &R::TextBox口座番号1),
    flag(kPay, u"bk2onoff", &R::CheckBox銀行2, u"0"),
    text(kAuction, kPay, u"bk2name", &R::TextBox銀行名2),
    text(kAuction, kPay, u"bk2siten", &R::TextBox支店名2),
    text(kAuction, kPay, u"bk2no", &R::TextBox口座番号2),
    flag(kPay, u"bk3onoff", &R::CheckBox銀行3, u"0"),
    text(kAuction, kPay, u"bk3name", &R::TextBox銀行名3),
    text(kAuction, kPay, u"bk3siten", &R::TextBox支店名3),
    text(kAuction, kPay, u"bk3no", &R::TextBox口座番号3),
    flag(kPay, u"ktnonoff", &R::CheckBoxかんたん決済, u"1"),
    flag(kPay, u"yanetonoff", &R::CheckBoxネットバンキング, u"0"),
    flag(kPay, u"gnknonoff", &R::CheckBox現金書留, u"0"),
    flag(kPay, u"dbkonoff", &R::CheckBox代金引換, u"0"),
    text(kAuction, kPay, u"dbktext", &R::TextBox代金引換),
    flag(kPay, u"sntonoff", &R::CheckBoxその他, u"0"),
    text(kAuction, kPay, u"snttext", &R::TextBoxその他),
    explained(flag(kShip, kSwitch, &R::Check発送説明, u"1"), Workspace::ShippingPhraseFile, &R::Text発送注意事項),
    flag(kShip, u"定型onoff", &R::CheckBox定形郵便, u"0"),
    flag(kShip, u"定形外onoff", &R::CheckBox定形外郵便, u"0"),
    flag(kShip, u"ゆうメールonoff", &R::CheckBoxゆうメール, u"0"),
    flag(kShip, u"ミニレターonoff", &R::CheckBoxミニレター, u"0"),
    flag(kShip, u"レターパック350onoff", &R::CheckBoxレターパック350, u"0"),
    flag(kShip, u"レターパック500onoff", &R::CheckBoxレターパック500, u"0"),
    flag(kShip, u"ゆうパックonoff", &R::CheckBoxゆうパック, u"1"),
    flag(kShip, u"ゆうパックmotikomi", &R::CheckBoxゆうパック持込割引, u"0"),
    // One key for both check boxes of the mail-bin group.
    flag(kShip, u"メール便onoff", &R::CheckBoxクロネコメール便, u"0"),
    held(kAuction, kShip, u"メール便default", &H::mailBinDefaultPosition, &R::ComboBoxクロネコメール便, u"0"),
    flag(kShip, u"宅急便onoff", &R::CheckBoxクロネコ宅急便, u"1"),
    flag(kShip, u"宅急便motikomi", &R::CheckBoxクロネコ宅急便持込割引, u"0"),
    // Not written at first run: a missing key reads as off.
    flag(kShip, u"はこBOONonoff", &R::CheckBoxはこBOON, nullptr),
    flag(kShip, u"その他の運送会社onoff", &R::CheckBoxその他の運送会社, u"0"),
    text(kAuction, kShip, u"その他の運送会社text", &R::TextBoxその他の運送会社),
    flag(kShip, u"送料一律onoff", &R::CheckBox送料一律, u"0"),
    text(kAuction, kShip, u"送料一律text", &R::TextBox送料一律),
    flag(kShip, u"最安値onoff", &R::CheckBox最安値, u"0"),
    // tiiki -1: no region chosen yet.
    held(kBasic, u"haso", u"tiiki", &H::regionPosition, &R::Combo都道府県, u"-1"),
    text(kBasic, u"yahoo", u"id", &R::Textyahooid),
    held(kBasic, u"yahoo", u"boothdisp", &H::boothDisplayPosition, &R::ComboMyBooth, u"0"),
    held(kBasic, u"yahoo", u"boothselect", &H::boothOption, {}, u"0"),
    text(kBasic, u"yahoo", u"boothuser", &R::TextBoothUser),
    explained(flag(u"Section基本注意", kSwitch, &R::Check注意事項, u"0"), Workspace::NotesPhraseFile, &R::Text注意事項),
    // The editor choice.
    firstRunOnly(aids::kEditorSection, aids::kEditorKey, u"0"),
    firstRunOnly(aids::kEditorSection, aids::kMyEditorKey, u""),
    held(kSetting, u"color", u"main", &H::colourPreset, {}, u"1"),
    held(kSetting, u"color", u"userM", &H::userMainColour, &R::L92, u"16777215"),
    held(kSetting, u"color", u"userS", &H::userSubColour, &R::L93, u"16777215"),
    labelled(held(kSetting, u"template", u"name", &H::templateName, {}, u"temp1.tmpl"), u"テンプレート"),
    held(kSetting, u"disp", u"width", &H::displayWidthPosition, &R::ComboBox表示幅, u"0"),
    held(kSetting, u"disp", u"pos", &H::displayPosition, &R::ComboBox表示位置, u"0", NumberText::Leading),
    // The first-run title and heading styles (1) differ from what a missing key reads as (0).
    held(kSetting, u"font", u"ttlstyle", &H::titleStyle, &R::ComboTS1, u"1"),
    held(kSetting, u"font", u"ttlsize", &H::titleSize, &R::ComboTS2, u"1"),
    held(kSetting, u"font", u"ttlclr", &H::titleColour, &R::CommandT, u"0"),
    held(kSetting, u"font", u"mdsstyle", &H::headingStyle, &R::ComboMS1, u"1"),
    held(kSetting, u"font", u"mdssize", &H::headingSize, &R::ComboMS2, u"0"),
    held(kSetting, u"font", u"mdsclr", &H::headingColour, &R::CommandM, u"0"),
    held(kSetting, u"font", u"srstyle", &H::textStyle, &R::ComboSR1, u"0"),
    held(kSetting, u"font", u"srsize", &H::textSizePosition, &R::ComboSR2, u"0", NumberText::Leading),
    held(kSetting, u"font", u"srclr", &H::textColour, &R::CommandSR, u"0"),
};
// clang-format on

template <typename... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

void createDefaults(const profile::Profiles& profiles, ProfileFileId file) {
    profile::ProfileBatch batch(profiles);
    for (const ProfileBinding& binding : kBindings) {
        if (binding.file == file && binding.firstRun)
            writeProfileText(profiles, binding, QString::fromUtf16(binding.firstRun));
    }
    batch.commit();
}

} // namespace

std::span<const ProfileBinding> profileBindings() {
    return kBindings;
}

QString savedProfileValue(const ProfileBinding& binding, const core::ListingRecord& record,
                          const core::HeldSelections& held) {
    const auto number = [](auto value) { return QString::number(value); };
    if (!std::holds_alternative<std::monostate>(binding.record)) {
        return std::visit(
            Overloaded{
                [](std::monostate) { return QString(); },
                [&](core::CheckValue R::*box) { return number(record.*box); },
                [&](QString R::*field) { return record.*field; },
                [&](core::ComboValue R::*list) { return number((record.*list).position); },
                [&](platform::ColourValue R::*colour) { return colourToText(record.*colour); }},
            binding.record);
    }
    return std::visit(Overloaded{[](std::monostate) { return QString(); },
                                 [&](QString H::*field) { return held.*field; },
                                 [&](auto H::*field) { return number(held.*field); }},
                      binding.held);
}

bool followList(core::HeldSelections& held, core::ComboValue R::*list, int position) {
    for (const ProfileBinding& binding : kBindings) {
        const auto* bound = std::get_if<core::ComboValue R::*>(&binding.record);
        if (!bound || *bound != list)
            continue;
        if (const auto* text = std::get_if<QString H::*>(&binding.held))
            held.*(*text) = QString::number(position);
        else if (const auto* number = std::get_if<std::int16_t H::*>(&binding.held))
            held.*(*number) = std::int16_t(position);
        else
            return false;
        return true;
    }
    return false;
}

bool followColour(core::HeldSelections& held, platform::ColourValue R::*colour,
                  platform::ColourValue value) {
    for (const ProfileBinding& binding : kBindings) {
        const auto* bound = std::get_if<platform::ColourValue R::*>(&binding.record);
        const auto* text = std::get_if<QString H::*>(&binding.held);
        if (bound && *bound == colour && text) {
            held.*(*text) = colourToText(value);
            return true;
        }
    }
    return false;
}

QString readProfileText(const profile::Profiles& profiles, const ProfileBinding& binding) {
    const QString section = binding.section.toString();
    const QString key = binding.key.toString();
    switch (binding.file) {
    case ProfileFileId::Auction:
        return profiles.ReadAuctionIni(section, key, false);
    case ProfileFileId::Setting:
        return profiles.ReadSettingIni(section, key);
    case ProfileFileId::Basic:
        return profiles.ReadBasicIni(section, key, false);
    }
    return QString();
}

void writeProfileText(const profile::Profiles& profiles, const ProfileBinding& binding,
                      const QString& value) {
    const QString section = binding.section.toString();
    const QString key = binding.key.toString();
    switch (binding.file) {
    case ProfileFileId::Auction:
        profiles.WriteAuctionIni(section, key, value);
        break;
    case ProfileFileId::Setting:
        profiles.WriteSettingIni(section, key, value);
        break;
    case ProfileFileId::Basic:
        profiles.WriteBasicIni(section, key, value);
        break;
    }
}

void CreateDefaultAuctionIni(const profile::Profiles& profiles) {
    createDefaults(profiles, kAuction);
}

void CreateDefaultSettingIni(const profile::Profiles& profiles) {
    createDefaults(profiles, kSetting);
}

void CreateDefaultBasicIni(const profile::Profiles& profiles) {
    createDefaults(profiles, kBasic);
}

} // namespace content
