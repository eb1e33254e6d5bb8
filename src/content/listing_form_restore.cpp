#include "listing_form_restore.h"

#include "aids/phrase_file.h"
#include "number_text.h"
#include "platform/error.h"

namespace content {
namespace {

using core::CheckValue;

const QString kItem = QStringLiteral("Section商品");
const QString kPayment = QStringLiteral("Section支払い");
const QString kShipping = QStringLiteral("Section発送");
const QString kNotes = QStringLiteral("Section基本注意");
const QString kExplanationSwitch = QStringLiteral("setumeionoff");

// The restore goes step by step; a failure ends its step, is shown once, and the next
// step runs. The steps are the nine of the restore order, except that every key turned
// into a number is a step of its own: one bad hand-edited number then costs only its own
// value, not the keys after it, which would otherwise be saved back as defaults at exit.
class FormRestore {
public:
    FormRestore(const profile::Profiles& profiles, const QString& applicationFolder,
                core::ListingRecord& record, core::HeldSelections& held,
                platform::Prompter& prompter)
        : m_profiles(profiles), m_applicationFolder(applicationFolder), m_record(record),
          m_held(held), m_prompter(prompter) {}

    void run() {
        step(&FormRestore::itemSize);
        step(&FormRestore::itemWeight);
        step(&FormRestore::paymentExplanationSwitch);
        step(&FormRestore::paymentExplanation);
        step(&FormRestore::paymentMethods);
        step(&FormRestore::shippingExplanation);
        step(&FormRestore::shippingMethodsUpToMailBin);
        step(&FormRestore::mailBinDefault);
        step(&FormRestore::shippingMethodsAfterMailBin);
        step(&FormRestore::region);
        step(&FormRestore::sellerAndBoothDisplay);
        step(&FormRestore::boothOption);
        step(&FormRestore::boothUser);
        step(&FormRestore::notes);
        step(&FormRestore::colourPreset);
        step(&FormRestore::coloursTemplateAndWidth);
        step(&FormRestore::displayPosition);
        step(&FormRestore::fontsUpToTextStyle);
        step(&FormRestore::textSize);
        step(&FormRestore::textColour);
    }

private:
    void step(void (FormRestore::*body)()) {
        try {
            (this->*body)();
        } catch (const platform::Error& error) {
            report(error);
        }
    }

    void report(const platform::Error& error) {
        switch (error.number()) {
        case platform::ErrorNumber::FileNotFound:
            m_prompter.inform(QStringLiteral("ファイルがありません。　") + m_lastExplanationPath);
            break;
        case platform::ErrorNumber::FileAlreadyOpen:
            break; // nothing stays open between steps, so there is nothing to tell
        default:
            m_prompter.inform(error.report(QStringLiteral("GI")));
        }
    }

    CheckValue flag(const QString& section, const QString& key) const {
        return m_profiles.ReadAuctionIni(section, key, true) == QLatin1String("1") ? 1 : 0;
    }
    QString text(const QString& section, const QString& key) const {
        return m_profiles.ReadAuctionIni(section, key, false);
    }
    QString basic(const QString& key) const {
        return m_profiles.ReadBasicIni(QStringLiteral("yahoo"), key, false);
    }
    QString font(const QString& key) const {
        return m_profiles.ReadSettingIni(QStringLiteral("font"), key);
    }

    // The paragraph of an explanation file; empty when the file cannot be read, which the
    // loader has already shown.
    QString explanation(const QString& fileName) {
        m_lastExplanationPath = m_applicationFolder + QStringLiteral("/text/") + fileName;
        return aids::loadPhraseFile(m_lastExplanationPath, m_prompter).value_or(QString());
    }

    void itemSize() { m_held.sizePosition = text(kItem, QStringLiteral("商品サイズ")); }
    void itemWeight() {
        m_held.weightPosition = int16FromText(text(kItem, QStringLiteral("商品重さ")));
    }

    void paymentExplanationSwitch() {
        m_record.Check支払いl説明 = flag(kPayment, kExplanationSwitch);
    }
    void paymentExplanation() {
        m_record.Text支払説明 = explanation(QStringLiteral("支払い説明.txt"));
    }

    void paymentMethods() {
        core::ListingRecord& r = m_record;
        r.CheckBoxゆうちょ銀行 = flag(kPayment, QStringLiteral("ychonoff"));
        r.TextBoxゆうちょ記号 = text(kPayment, QStringLiteral("ychkigou"));
        r.TextBoxゆうちょ番号 = text(kPayment, QStringLiteral("ychno"));
        restoreBank(1, r.CheckBox銀行1, r.TextBox銀行名1, r.TextBox支店名1, r.TextBox口座番号1);
        restoreBank(2, r.CheckBox銀行2, r.TextBox銀行名2, r.TextBox支店名2, r.TextBox口座番号2);
        restoreBank(3, r.CheckBox銀行3, r.TextBox銀行名3, r.TextBox支店名3, r.TextBox口座番号3);
        r.CheckBoxかんたん決済 = flag(kPayment, QStringLiteral("ktnonoff"));
        r.CheckBoxネットバンキング = flag(kPayment, QStringLiteral("yanetonoff"));
        r.CheckBox現金書留 = flag(kPayment, QStringLiteral("gnknonoff"));
        r.CheckBox代金引換 = flag(kPayment, QStringLiteral("dbkonoff"));
        r.TextBox代金引換 = text(kPayment, QStringLiteral("dbktext"));
        r.CheckBoxその他 = flag(kPayment, QStringLiteral("sntonoff"));
        r.TextBoxその他 = text(kPayment, QStringLiteral("snttext"));
    }

    void restoreBank(int n, CheckValue& ticked, QString& name, QString& branch,
                     QString& account) const {
        const QString prefix = QStringLiteral("bk") + QString::number(n);
        ticked = flag(kPayment, prefix + QStringLiteral("onoff"));
        name = text(kPayment, prefix + QStringLiteral("name"));
        branch = text(kPayment, prefix + QStringLiteral("siten"));
        account = text(kPayment, prefix + QStringLiteral("no"));
    }

    void shippingExplanation() {
        m_record.Check発送説明 = flag(kShipping, kExplanationSwitch);
        m_record.Text発送注意事項 = explanation(QStringLiteral("発送説明.txt"));
    }

    void shippingMethodsUpToMailBin() {
        core::ListingRecord& r = m_record;
        r.CheckBox定形郵便 = flag(kShipping, QStringLiteral("定型onoff"));
        r.CheckBox定形外郵便 = flag(kShipping, QStringLiteral("定形外onoff"));
        r.CheckBoxゆうメール = flag(kShipping, QStringLiteral("ゆうメールonoff"));
        r.CheckBoxミニレター = flag(kShipping, QStringLiteral("ミニレターonoff"));
        r.CheckBoxレターパック350 = flag(kShipping, QStringLiteral("レターパック350onoff"));
        r.CheckBoxレターパック500 = flag(kShipping, QStringLiteral("レターパック500onoff"));
        r.CheckBoxゆうパック = flag(kShipping, QStringLiteral("ゆうパックonoff"));
        r.CheckBoxゆうパック持込割引 = flag(kShipping, QStringLiteral("ゆうパックmotikomi"));
        // One value stands for both check boxes of the group.
        r.CheckBoxクロネコメール便 = flag(kShipping, QStringLiteral("メール便onoff"));
    }

    void mailBinDefault() {
        m_held.mailBinDefaultPosition =
            int16FromText(text(kShipping, QStringLiteral("メール便default")));
    }

    void shippingMethodsAfterMailBin() {
        core::ListingRecord& r = m_record;
        r.CheckBoxクロネコ宅急便 = flag(kShipping, QStringLiteral("宅急便onoff"));
        r.CheckBoxクロネコ宅急便持込割引 = flag(kShipping, QStringLiteral("宅急便motikomi"));
        r.CheckBoxはこBOON = flag(kShipping, QStringLiteral("はこBOONonoff"));
        r.CheckBoxその他の運送会社 = flag(kShipping, QStringLiteral("その他の運送会社onoff"));
        r.TextBoxその他の運送会社 = text(kShipping, QStringLiteral("その他の運送会社text"));
        r.CheckBox送料一律 = flag(kShipping, QStringLiteral("送料一律onoff"));
        r.TextBox送料一律 = text(kShipping, QStringLiteral("送料一律text"));
        r.CheckBox最安値 = flag(kShipping, QStringLiteral("最安値onoff"));
    }

    void region() {
        m_held.regionPosition = int16FromText(
            m_profiles.ReadBasicIni(QStringLiteral("haso"), QStringLiteral("tiiki"), false));
    }

    void sellerAndBoothDisplay() {
        m_record.Textyahooid = basic(QStringLiteral("id"));
        m_held.boothDisplayPosition = basic(QStringLiteral("boothdisp"));
    }
    void boothOption() { m_held.boothOption = intFromText(basic(QStringLiteral("boothselect"))); }
    void boothUser() { m_record.TextBoothUser = basic(QStringLiteral("boothuser")); }

    void notes() {
        m_record.Check注意事項 = flag(kNotes, kExplanationSwitch);
        m_record.Text注意事項.clear();
        m_record.Text注意事項 = explanation(QStringLiteral("注意事項.txt"));
    }

    void colourPreset() {
        m_held.colourPreset =
            intFromText(m_profiles.ReadSettingIni(QStringLiteral("color"), QStringLiteral("main")));
    }

    void coloursTemplateAndWidth() {
        m_held.userMainColour =
            m_profiles.ReadSettingIni(QStringLiteral("color"), QStringLiteral("userM"));
        m_held.userSubColour =
            m_profiles.ReadSettingIni(QStringLiteral("color"), QStringLiteral("userS"));
        m_held.templateName =
            m_profiles.ReadSettingIni(QStringLiteral("template"), QStringLiteral("name"));
        m_held.displayWidthPosition =
            m_profiles.ReadSettingIni(QStringLiteral("disp"), QStringLiteral("width"));
    }

    void displayPosition() {
        m_held.displayPosition =
            leadingInt16(m_profiles.ReadSettingIni(QStringLiteral("disp"), QStringLiteral("pos")));
    }

    void fontsUpToTextStyle() {
        m_held.titleStyle = font(QStringLiteral("ttlstyle"));
        m_held.titleSize = font(QStringLiteral("ttlsize"));
        m_held.titleColour = font(QStringLiteral("ttlclr"));
        m_held.headingStyle = font(QStringLiteral("mdsstyle"));
        m_held.headingSize = font(QStringLiteral("mdssize"));
        m_held.headingColour = font(QStringLiteral("mdsclr"));
        m_held.textStyle = font(QStringLiteral("srstyle"));
    }

    void textSize() { m_held.textSizePosition = leadingInt16(font(QStringLiteral("srsize"))); }
    void textColour() { m_held.textColour = font(QStringLiteral("srclr")); }

    const profile::Profiles& m_profiles;
    const QString m_applicationFolder;
    core::ListingRecord& m_record;
    core::HeldSelections& m_held;
    platform::Prompter& m_prompter;
    QString m_lastExplanationPath;
};

} // namespace

void RestoreListingForm(const profile::Profiles& profiles, const QString& applicationFolder,
                        core::ListingRecord& record, core::HeldSelections& held,
                        platform::Prompter& prompter) {
    // Each profile file is read once for the whole restore instead of once per key.
    profiles.beginBatch();
    FormRestore(profiles, applicationFolder, record, held, prompter).run();
    try {
        profiles.commitBatch(); // nothing was written, so nothing can fail here
    } catch (const platform::Error&) {
    }
}

} // namespace content
