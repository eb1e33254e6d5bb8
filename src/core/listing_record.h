#pragma once

#include "platform/colour.h"

#include <QString>

namespace core {

// An editable drop-down list: its text and the zero-based position of the chosen item
// (-1 when the text matches no chosen item).
struct ComboValue {
    QString text;
    int position = -1;
    bool operator==(const ComboValue&) const = default;
};

// Check boxes hold 0 (unticked) or 1 (ticked); 2 (grayed) only comes from old data files.
using CheckValue = int;
// A grayed box counts as not ticked.
constexpr bool isTicked(CheckValue value) {
    return value == 1;
}

// The values of every field of the main window, named by their control names. Fixed
// captions are not values and are not here.
struct ListingRecord {
    // Page 0 "商品情報"
    QString TextBoxタイトル;
    QString Label12; // title length counter
    QString TextBoxJAN;
    QString TextBox商品説明;
    QString Label支払い方法;
    ComboValue ComboBox商品サイズ;
    ComboValue ComboBox商品重さ;
    // Both elements of the CheckBoxクロネコメール便 group (page 2 element 0, page 0
    // element 1) stand for this one choice.
    CheckValue CheckBoxクロネコメール便 = 0;
    ComboValue ComboBoxクロネコメール便;
    CheckValue CheckBox最安値 = 0;
    QString Label送料1;
    QString Label送料2;

    // Page 1 "支払詳細"
    CheckValue CheckBoxかんたん決済 = 0;
    CheckValue CheckBoxネットバンキング = 0;
    CheckValue CheckBoxゆうちょ銀行 = 0;
    QString TextBoxゆうちょ記号; // hidden
    QString TextBoxゆうちょ番号; // hidden
    CheckValue CheckBox銀行1 = 0;
    CheckValue CheckBox銀行2 = 0;
    CheckValue CheckBox銀行3 = 0;
    QString TextBox銀行名1;
    QString TextBox銀行名2;
    QString TextBox銀行名3;
    QString TextBox支店名1;   // hidden
    QString TextBox支店名2;   // hidden
    QString TextBox支店名3;   // hidden
    QString TextBox口座番号1; // hidden
    QString TextBox口座番号2; // hidden
    QString TextBox口座番号3; // hidden
    CheckValue CheckBox現金書留 = 0;
    CheckValue CheckBox代金引換 = 0;
    QString TextBox代金引換;
    CheckValue CheckBoxその他 = 0;
    QString TextBoxその他;
    QString Text支払説明;
    CheckValue Check支払いl説明 = 0; // "表示不要"

    // Page 2 "発送詳細"
    CheckValue CheckBox定形郵便 = 0;
    CheckValue CheckBox定形外郵便 = 0;
    CheckValue CheckBoxゆうメール = 0;
    CheckValue CheckBoxミニレター = 0;
    CheckValue CheckBoxレターパック350 = 0;
    CheckValue CheckBoxレターパック500 = 0;
    CheckValue CheckBoxゆうパック = 0;
    CheckValue CheckBoxゆうパック持込割引 = 0;
    CheckValue CheckBoxクロネコ宅急便 = 0;
    CheckValue CheckBoxクロネコ宅急便持込割引 = 0;
    CheckValue CheckBoxはこBOON = 0;
    CheckValue CheckBox送料一律 = 0;
    QString TextBox送料一律;
    CheckValue CheckBoxその他の運送会社 = 0;
    QString TextBoxその他の運送会社;
    QString Text発送注意事項;
    CheckValue Check発送説明 = 0; // "表示不要"

    // Page 3 "基本情報＆注意事項"
    QString Textyahooid;
    ComboValue ComboMyBooth;
    bool OptionBooth1 = true;
    bool OptionBooth2 = false;
    bool OptionBooth3 = false;
    QString TextBoothUser;
    ComboValue Combo都道府県;
    QString Text注意事項;
    CheckValue Check注意事項 = 0; // "表示不要"

    // Page 4 "書式設定"
    ComboValue ComboTS1, ComboTS2;
    platform::ColourValue CommandT = platform::kBlack; // fore colour
    ComboValue ComboMS1, ComboMS2;
    platform::ColourValue CommandM = platform::kBlack;
    ComboValue ComboSR1, ComboSR2;
    platform::ColourValue CommandSR = platform::kBlack;
    QString Label15; // "テンプレート：" + template name
    ComboValue ComboBox表示幅;
    ComboValue ComboBox表示位置;
    int colourPreset = 1; // which of OptionButton0 … OptionButton9 is on (-1: none)
    platform::ColourValue L92 = platform::kWhite; // user main colour (back colour)
    platform::ColourValue L93 = platform::kWhite; // user sub colour (back colour)

    bool operator==(const ListingRecord&) const = default;
};

} // namespace core
