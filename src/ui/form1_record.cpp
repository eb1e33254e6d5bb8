// record() and applyRecord(): every field of the window read into one ListingRecord and
// put back from one.
#include "field_values.h"
#include "form1.h"
#include "swatch_label.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <span>

namespace ui {

namespace {

void setCheckValue(QCheckBox* box, core::CheckValue value) {
    // Grey only comes from old data files; the seller's own clicks stay two-state.
    box->setTristate(value == 2);
    box->setCheckState(value == 2   ? Qt::PartiallyChecked
                       : value == 1 ? Qt::Checked
                                    : Qt::Unchecked);
}

void setComboValue(QComboBox* combo, const core::ComboValue& value) {
    combo->setCurrentIndex(value.position < combo->count() ? value.position : -1);
}

void setMultiLineValue(QPlainTextEdit* text, const QString& value) {
    QString lines = value;
    text->setPlainText(lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void setLabelText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

// Turns on option `chosen` of an exclusive group, or none when it is outside the group.
void chooseOption(std::span<QRadioButton* const> options, int chosen) {
    if (chosen >= 0 && chosen < int(options.size())) {
        options[std::size_t(chosen)]->setChecked(true);
        return;
    }
    // An exclusive group refuses to turn its last option off.
    QButtonGroup* group = options.front()->group();
    if (group)
        group->setExclusive(false);
    for (QRadioButton* option : options)
        option->setChecked(false);
    if (group)
        group->setExclusive(true);
}

} // namespace

core::ListingRecord Form1::record() const {
    core::ListingRecord r;

    r.TextBoxタイトル = m_TextBoxタイトル->text();
    r.Label12 = m_Label12->text();
    r.TextBoxJAN = m_TextBoxJAN->text();
    r.TextBox商品説明 = multiLineValue(m_TextBox商品説明);
    r.Label支払い方法 = m_Label支払い方法->text();
    r.ComboBox商品サイズ = comboValue(m_ComboBox商品サイズ);
    r.ComboBox商品重さ = comboValue(m_ComboBox商品重さ);
    // The two mail-bin boxes are kept equal; the one on the carrier panel is the value.
    r.CheckBoxクロネコメール便 = checkValue(m_CheckBoxクロネコメール便[0]);
    r.ComboBoxクロネコメール便 = comboValue(m_ComboBoxクロネコメール便);
    r.CheckBox最安値 = checkValue(m_CheckBox最安値);
    r.Label送料1 = m_Label送料1->text();
    r.Label送料2 = m_Label送料2->text();

    r.CheckBoxかんたん決済 = checkValue(m_CheckBoxかんたん決済);
    r.CheckBoxネットバンキング = checkValue(m_CheckBoxネットバンキング);
    r.CheckBoxゆうちょ銀行 = checkValue(m_CheckBoxゆうちょ銀行);
    r.TextBoxゆうちょ記号 = m_TextBoxゆうちょ記号->text();
    r.TextBoxゆうちょ番号 = m_TextBoxゆうちょ番号->text();
    r.CheckBox銀行1 = checkValue(m_CheckBox銀行1);
    r.CheckBox銀行2 = checkValue(m_CheckBox銀行2);
    r.CheckBox銀行3 = checkValue(m_CheckBox銀行3);
    r.TextBox銀行名1 = m_TextBox銀行名1->text();
    r.TextBox銀行名2 = m_TextBox銀行名2->text();
    r.TextBox銀行名3 = m_TextBox銀行名3->text();
    r.TextBox支店名1 = m_TextBox支店名1->text();
    r.TextBox支店名2 = m_TextBox支店名2->text();
    r.TextBox支店名3 = m_TextBox支店名3->text();
    r.TextBox口座番号1 = m_TextBox口座番号1->text();
    r.TextBox口座番号2 = m_TextBox口座番号2->text();
    r.TextBox口座番号3 = m_TextBox口座番号3->text();
    r.CheckBox現金書留 = checkValue(m_CheckBox現金書留);
    r.CheckBox代金引換 = checkValue(m_CheckBox代金引換);
    r.TextBox代金引換 = m_TextBox代金引換->text();
    r.CheckBoxその他 = checkValue(m_CheckBoxその他);
    r.TextBoxその他 = m_TextBoxその他->text();
    r.Text支払説明 = multiLineValue(m_Text支払説明);
    r.Check支払いl説明 = checkValue(m_Check支払いl説明);

    r.CheckBox定形郵便 = checkValue(m_CheckBox定形郵便);
    r.CheckBox定形外郵便 = checkValue(m_CheckBox定形外郵便);
    r.CheckBoxゆうメール = checkValue(m_CheckBoxゆうメール);
    r.CheckBoxミニレター = checkValue(m_CheckBoxミニレター);
    r.CheckBoxレターパック350 = checkValue(m_CheckBoxレターパック350);
    r.CheckBoxレターパック500 = checkValue(m_CheckBoxレターパック500);
    r.CheckBoxゆうパック = checkValue(m_CheckBoxゆうパック);
    r.CheckBoxゆうパック持込割引 = checkValue(m_CheckBoxゆうパック持込割引);
    r.CheckBoxクロネコ宅急便 = checkValue(m_CheckBoxクロネコ宅急便);
    r.CheckBoxクロネコ宅急便持込割引 = checkValue(m_CheckBoxクロネコ宅急便持込割引);
    r.CheckBoxはこBOON = checkValue(m_CheckBoxはこBOON);
    r.CheckBox送料一律 = checkValue(m_CheckBox送料一律);
    r.TextBox送料一律 = m_TextBox送料一律->text();
    r.CheckBoxその他の運送会社 = checkValue(m_CheckBoxその他の運送会社);
    r.TextBoxその他の運送会社 = m_TextBoxその他の運送会社->text();
    r.Text発送注意事項 = multiLineValue(m_Text発送注意事項);
    r.Check発送説明 = checkValue(m_Check発送説明);

    r.Textyahooid = m_Textyahooid->text();
    r.ComboMyBooth = comboValue(m_ComboMyBooth);
    r.OptionBooth1 = m_OptionBooth1->isChecked();
    r.OptionBooth2 = m_OptionBooth2->isChecked();
    r.OptionBooth3 = m_OptionBooth3->isChecked();
    r.TextBoothUser = m_TextBoothUser->text();
    r.Combo都道府県 = comboValue(m_Combo都道府県);
    r.Text注意事項 = multiLineValue(m_Text注意事項);
    r.Check注意事項 = checkValue(m_Check注意事項);

    r.ComboTS1 = comboValue(m_ComboTS1);
    r.ComboTS2 = comboValue(m_ComboTS2);
    r.CommandT = m_CommandT->colour();
    r.ComboMS1 = comboValue(m_ComboMS1);
    r.ComboMS2 = comboValue(m_ComboMS2);
    r.CommandM = m_CommandM->colour();
    r.ComboSR1 = comboValue(m_ComboSR1);
    r.ComboSR2 = comboValue(m_ComboSR2);
    r.CommandSR = m_CommandSR->colour();
    r.Label15 = m_Label15->text();
    r.ComboBox表示幅 = comboValue(m_ComboBox表示幅);
    r.ComboBox表示位置 = comboValue(m_ComboBox表示位置);
    r.colourPreset = -1;
    for (std::size_t scheme = 0; scheme < m_OptionButton.size(); ++scheme) {
        if (m_OptionButton[scheme]->isChecked())
            r.colourPreset = int(scheme);
    }
    r.L92 = m_Ln2[9]->colour();
    r.L93 = m_Ln3[9]->colour();
    return r;
}

} // namespace ui

namespace ui {

void Form1::applyRecord(const core::ListingRecord& r) {
    m_TextBoxタイトル->setText(r.TextBoxタイトル);
    m_Label12->setText(r.Label12);
    m_TextBoxJAN->setText(r.TextBoxJAN);
    setMultiLineValue(m_TextBox商品説明, r.TextBox商品説明);
    for (QCheckBox* element : m_CheckBoxクロネコメール便)
        setCheckValue(element, r.CheckBoxクロネコメール便);
    setCheckValue(m_CheckBox最安値, r.CheckBox最安値);

    setCheckValue(m_CheckBoxかんたん決済, r.CheckBoxかんたん決済);
    setCheckValue(m_CheckBoxネットバンキング, r.CheckBoxネットバンキング);
    setCheckValue(m_CheckBoxゆうちょ銀行, r.CheckBoxゆうちょ銀行);
    m_TextBoxゆうちょ記号->setText(r.TextBoxゆうちょ記号);
    m_TextBoxゆうちょ番号->setText(r.TextBoxゆうちょ番号);
    setCheckValue(m_CheckBox銀行1, r.CheckBox銀行1);
    setCheckValue(m_CheckBox銀行2, r.CheckBox銀行2);
    setCheckValue(m_CheckBox銀行3, r.CheckBox銀行3);
    m_TextBox銀行名1->setText(r.TextBox銀行名1);
    m_TextBox銀行名2->setText(r.TextBox銀行名2);
    m_TextBox銀行名3->setText(r.TextBox銀行名3);
    m_TextBox支店名1->setText(r.TextBox支店名1);
    m_TextBox支店名2->setText(r.TextBox支店名2);
    m_TextBox支店名3->setText(r.TextBox支店名3);
    m_TextBox口座番号1->setText(r.TextBox口座番号1);
    m_TextBox口座番号2->setText(r.TextBox口座番号2);
    m_TextBox口座番号3->setText(r.TextBox口座番号3);
    setCheckValue(m_CheckBox現金書留, r.CheckBox現金書留);
    setCheckValue(m_CheckBox代金引換, r.CheckBox代金引換);
    m_TextBox代金引換->setText(r.TextBox代金引換);
    setCheckValue(m_CheckBoxその他, r.CheckBoxその他);
    m_TextBoxその他->setText(r.TextBoxその他);
    setMultiLineValue(m_Text支払説明, r.Text支払説明);
    setCheckValue(m_Check支払いl説明, r.Check支払いl説明);

    setCheckValue(m_CheckBox定形郵便, r.CheckBox定形郵便);
    setCheckValue(m_CheckBox定形外郵便, r.CheckBox定形外郵便);
    setCheckValue(m_CheckBoxゆうメール, r.CheckBoxゆうメール);
    setCheckValue(m_CheckBoxミニレター, r.CheckBoxミニレター);
    setCheckValue(m_CheckBoxレターパック350, r.CheckBoxレターパック350);
    setCheckValue(m_CheckBoxレターパック500, r.CheckBoxレターパック500);
    setCheckValue(m_CheckBoxゆうパック, r.CheckBoxゆうパック);
    setCheckValue(m_CheckBoxゆうパック持込割引, r.CheckBoxゆうパック持込割引);
    setCheckValue(m_CheckBoxクロネコ宅急便, r.CheckBoxクロネコ宅急便);
    setCheckValue(m_CheckBoxクロネコ宅急便持込割引, r.CheckBoxクロネコ宅急便持込割引);
    setCheckValue(m_CheckBoxはこBOON, r.CheckBoxはこBOON);
    setCheckValue(m_CheckBox送料一律, r.CheckBox送料一律);
    m_TextBox送料一律->setText(r.TextBox送料一律);
    setCheckValue(m_CheckBoxその他の運送会社, r.CheckBoxその他の運送会社);
    m_TextBoxその他の運送会社->setText(r.TextBoxその他の運送会社);
    setMultiLineValue(m_Text発送注意事項, r.Text発送注意事項);
    setCheckValue(m_Check発送説明, r.Check発送説明);

    m_Textyahooid->setText(r.Textyahooid);
    m_TextBoothUser->setText(r.TextBoothUser);
    setMultiLineValue(m_Text注意事項, r.Text注意事項);
    setCheckValue(m_Check注意事項, r.Check注意事項);

    applyHeldValues(r);
}

// Only what putting the held values back can change: the seller's typing elsewhere keeps
// its caret and undo history at every activation.
void Form1::applyHeldValues(const core::ListingRecord& r) {
    setComboValue(m_ComboBox商品サイズ, r.ComboBox商品サイズ);
    setComboValue(m_ComboBox商品重さ, r.ComboBox商品重さ);
    setComboValue(m_ComboBoxクロネコメール便, r.ComboBoxクロネコメール便);
    setLabelText(m_Label支払い方法, r.Label支払い方法);
    setLabelText(m_Label送料1, r.Label送料1);
    setLabelText(m_Label送料2, r.Label送料2);
    chooseOption(m_OptionButton, r.colourPreset);
    setComboValue(m_Combo都道府県, r.Combo都道府県);
    setComboValue(m_ComboMyBooth, r.ComboMyBooth);
    const int booth = r.OptionBooth1 ? 0 : r.OptionBooth2 ? 1 : r.OptionBooth3 ? 2 : -1;
    chooseOption(std::array{m_OptionBooth1, m_OptionBooth2, m_OptionBooth3}, booth);
    setComboValue(m_ComboBox表示幅, r.ComboBox表示幅);
    setComboValue(m_ComboBox表示位置, r.ComboBox表示位置);
    m_Ln2[9]->setColour(r.L92);
    m_Ln3[9]->setColour(r.L93);
    setLabelText(m_Label15, r.Label15);
    setComboValue(m_ComboTS1, r.ComboTS1);
    setComboValue(m_ComboTS2, r.ComboTS2);
    m_CommandT->setColour(r.CommandT);
    setComboValue(m_ComboMS1, r.ComboMS1);
    setComboValue(m_ComboMS2, r.ComboMS2);
    m_CommandM->setColour(r.CommandM);
    setComboValue(m_ComboSR1, r.ComboSR1);
    setComboValue(m_ComboSR2, r.ComboSR2);
    m_CommandSR->setColour(r.CommandSR);
}

} // namespace ui
