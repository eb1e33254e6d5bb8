// record(): every field of the window read into one ListingRecord.
#include "field_values.h"
#include "form1.h"
#include "swatch_label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace ui {

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
