#include "listing_form_save.h"

#include "number_text.h"

#include <vector>

namespace content {
namespace {

enum class ProfileFile { Auction, Setting, Basic };

struct ProfileEntry {
    ProfileFile file;
    QString section;
    QString key;
    QString value;
};

class EntryList {
public:
    void add(ProfileFile file, const QString& section, const QString& key, const QString& value) {
        m_entries.push_back({file, section, key, value});
    }
    void add(ProfileFile file, const QString& section, const QString& key, int number) {
        add(file, section, key, QString::number(number));
    }
    std::vector<ProfileEntry> take() { return std::move(m_entries); }

private:
    std::vector<ProfileEntry> m_entries;
};

constexpr ProfileFile kAuction = ProfileFile::Auction;
constexpr ProfileFile kSetting = ProfileFile::Setting;
constexpr ProfileFile kBasic = ProfileFile::Basic;

void addItemAndPayment(const core::ListingRecord& r, EntryList& out) {
    const QString item = QStringLiteral("Section商品");
    out.add(kAuction, item, QStringLiteral("商品サイズ"), r.ComboBox商品サイズ.position);
    out.add(kAuction, item, QStringLiteral("商品重さ"), r.ComboBox商品重さ.position);

    const QString pay = QStringLiteral("Section支払い");
    out.add(kAuction, pay, QStringLiteral("setumeionoff"), r.Check支払いl説明);
    out.add(kAuction, pay, QStringLiteral("ychonoff"), r.CheckBoxゆうちょ銀行);
    out.add(kAuction, pay, QStringLiteral("ychkigou"), r.TextBoxゆうちょ記号);
    out.add(kAuction, pay, QStringLiteral("ychno"), r.TextBoxゆうちょ番号);
    const struct {
        core::CheckValue ticked;
        const QString &name, &branch, &account;
    } banks[] = {
        {r.CheckBox銀行1, r.TextBox銀行名1, r.TextBox支店名1, r.TextBox口座番号1},
        {r.CheckBox銀行2, r.TextBox銀行名2, r.TextBox支店名2, r.TextBox口座番号2},
        {r.CheckBox銀行3, r.TextBox銀行名3, r.TextBox支店名3, r.TextBox口座番号3},
    };
    for (int n = 1; n <= 3; ++n) {
        const auto& bank = banks[n - 1];
        const QString prefix = QStringLiteral("bk") + QString::number(n);
        out.add(kAuction, pay, prefix + QStringLiteral("onoff"), bank.ticked);
        out.add(kAuction, pay, prefix + QStringLiteral("name"), bank.name);
        out.add(kAuction, pay, prefix + QStringLiteral("siten"), bank.branch);
        out.add(kAuction, pay, prefix + QStringLiteral("no"), bank.account);
    }
    out.add(kAuction, pay, QStringLiteral("ktnonoff"), r.CheckBoxかんたん決済);
    out.add(kAuction, pay, QStringLiteral("yanetonoff"), r.CheckBoxネットバンキング);
    out.add(kAuction, pay, QStringLiteral("gnknonoff"), r.CheckBox現金書留);
    out.add(kAuction, pay, QStringLiteral("dbkonoff"), r.CheckBox代金引換);
    out.add(kAuction, pay, QStringLiteral("dbktext"), r.TextBox代金引換);
    out.add(kAuction, pay, QStringLiteral("sntonoff"), r.CheckBoxその他);
    out.add(kAuction, pay, QStringLiteral("snttext"), r.TextBoxその他);
}

void addShipping(const core::ListingRecord& r, EntryList& out) {
    const QString ship = QStringLiteral("Section発送");
    out.add(kAuction, ship, QStringLiteral("setumeionoff"), r.Check発送説明);
    out.add(kAuction, ship, QStringLiteral("定型onoff"), r.CheckBox定形郵便);
    out.add(kAuction, ship, QStringLiteral("定形外onoff"), r.CheckBox定形外郵便);
    out.add(kAuction, ship, QStringLiteral("ゆうメールonoff"), r.CheckBoxゆうメール);
    out.add(kAuction, ship, QStringLiteral("ミニレターonoff"), r.CheckBoxミニレター);
    out.add(kAuction, ship, QStringLiteral("レターパック350onoff"), r.CheckBoxレターパック350);
    out.add(kAuction, ship, QStringLiteral("レターパック500onoff"), r.CheckBoxレターパック500);
    out.add(kAuction, ship, QStringLiteral("ゆうパックonoff"), r.CheckBoxゆうパック);
    out.add(kAuction, ship, QStringLiteral("ゆうパックmotikomi"), r.CheckBoxゆうパック持込割引);
    out.add(kAuction, ship, QStringLiteral("メール便onoff"), r.CheckBoxクロネコメール便);
    out.add(kAuction, ship, QStringLiteral("メール便default"), r.ComboBoxクロネコメール便.position);
    out.add(kAuction, ship, QStringLiteral("宅急便onoff"), r.CheckBoxクロネコ宅急便);
    out.add(kAuction, ship, QStringLiteral("宅急便motikomi"), r.CheckBoxクロネコ宅急便持込割引);
    out.add(kAuction, ship, QStringLiteral("はこBOONonoff"), r.CheckBoxはこBOON);
    out.add(kAuction, ship, QStringLiteral("その他の運送会社onoff"), r.CheckBoxその他の運送会社);
    out.add(kAuction, ship, QStringLiteral("その他の運送会社text"), r.TextBoxその他の運送会社);
    out.add(kAuction, ship, QStringLiteral("送料一律onoff"), r.CheckBox送料一律);
    out.add(kAuction, ship, QStringLiteral("送料一律text"), r.TextBox送料一律);
    out.add(kAuction, ship, QStringLiteral("最安値onoff"), r.CheckBox最安値);
}

void addBasic(const core::ListingRecord& r, const core::HeldSelections& held, EntryList& out) {
    out.add(kBasic, QStringLiteral("haso"), QStringLiteral("tiiki"), r.Combo都道府県.position);
    const QString yahoo = QStringLiteral("yahoo");
    out.add(kBasic, yahoo, QStringLiteral("id"), r.Textyahooid);
    out.add(kBasic, yahoo, QStringLiteral("boothdisp"), r.ComboMyBooth.position);
    out.add(kBasic, yahoo, QStringLiteral("boothselect"), held.boothOption);
    out.add(kBasic, yahoo, QStringLiteral("boothuser"), r.TextBoothUser);
}

void addPageStyle(const core::ListingRecord& r, const core::HeldSelections& held, EntryList& out) {
    const QString colour = QStringLiteral("color");
    out.add(kSetting, colour, QStringLiteral("main"), held.colourPreset);
    out.add(kSetting, colour, QStringLiteral("userM"), colourToText(r.L92));
    out.add(kSetting, colour, QStringLiteral("userS"), colourToText(r.L93));
    out.add(kSetting, QStringLiteral("template"), QStringLiteral("name"), held.templateName);
    out.add(kSetting, QStringLiteral("disp"), QStringLiteral("width"), r.ComboBox表示幅.position);
    out.add(kSetting, QStringLiteral("disp"), QStringLiteral("pos"), r.ComboBox表示位置.position);
    const QString font = QStringLiteral("font");
    out.add(kSetting, font, QStringLiteral("ttlstyle"), r.ComboTS1.position);
    out.add(kSetting, font, QStringLiteral("ttlsize"), r.ComboTS2.position);
    out.add(kSetting, font, QStringLiteral("ttlclr"), colourToText(r.CommandT));
    out.add(kSetting, font, QStringLiteral("mdsstyle"), r.ComboMS1.position);
    out.add(kSetting, font, QStringLiteral("mdssize"), r.ComboMS2.position);
    out.add(kSetting, font, QStringLiteral("mdsclr"), colourToText(r.CommandM));
    out.add(kSetting, font, QStringLiteral("srstyle"), r.ComboSR1.position);
    out.add(kSetting, font, QStringLiteral("srsize"), r.ComboSR2.position);
    out.add(kSetting, font, QStringLiteral("srclr"), colourToText(r.CommandSR));
}

// Every key in the order the restore reads them.
std::vector<ProfileEntry> listingFormEntries(const core::ListingRecord& record,
                                             const core::HeldSelections& held) {
    EntryList out;
    addItemAndPayment(record, out);
    addShipping(record, out);
    addBasic(record, held, out);
    out.add(kAuction, QStringLiteral("Section基本注意"), QStringLiteral("setumeionoff"),
            record.Check注意事項);
    addPageStyle(record, held, out);
    return out.take();
}

void write(const profile::Profiles& profiles, const ProfileEntry& entry) {
    switch (entry.file) {
    case ProfileFile::Auction:
        profiles.WriteAuctionIni(entry.section, entry.key, entry.value);
        break;
    case ProfileFile::Setting:
        profiles.WriteSettingIni(entry.section, entry.key, entry.value);
        break;
    case ProfileFile::Basic:
        profiles.WriteBasicIni(entry.section, entry.key, entry.value);
        break;
    }
}

} // namespace

std::optional<platform::Error> SaveListingForm(const profile::Profiles& profiles,
                                               const core::ListingRecord& record,
                                               const core::HeldSelections& held) {
    // The keys before a failing one are still saved, as if each had been written alone.
    std::optional<platform::Error> failure;
    profiles.beginBatch();
    for (const ProfileEntry& entry : listingFormEntries(record, held)) {
        try {
            write(profiles, entry);
        } catch (const platform::Error& error) {
            failure = error;
            break;
        }
    }
    try {
        profiles.commitBatch();
    } catch (const platform::Error& error) {
        failure = failure.value_or(error);
    }
    return failure;
}

} // namespace content
