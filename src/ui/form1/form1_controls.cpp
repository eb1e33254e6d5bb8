#include "ui/form1/form1_controls.h"

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>

namespace ui {

namespace {

using K = ControlKind;
constexpr int kItemPage = 0;
constexpr int kPaymentPage = 1;
constexpr int kShippingPage = 2;
constexpr int kBasicPage = 3;
constexpr int kDesignPage = 4;
constexpr bool kHidden = true;

// clang-format off
constexpr ControlEntry kControls[] = {
    {u"SSTab1", K::Tabs, u"", kNoPage, u"", u"ページの切り替え"},

    // Page 0 "商品情報"
    {u"Frame1", K::Frame, u"商品", kItemPage, u"", u"商品欄"},
    {u"Label1", K::Label, u"■　タイトル　　 　「　\"　」は使用できません", kItemPage, u"Frame1", u""},
    {u"TextBoxタイトル", K::Text, u"", kItemPage, u"Frame1", u"タイトル"},
    {u"Label12", K::Display, u"文字", kItemPage, u"Frame1", u"残り文字数"},
    {u"Command3", K::Button, u"クリア", kItemPage, u"Frame1", u"タイトルをクリア"},
    {u"TextBoxJAN", K::Text, u"1234567890123", kItemPage, u"Frame1", u"検索語またはJANコード"},
    {u"CBJAN検索", K::Button, u"Amazonで商品検索", kItemPage, u"Frame1", u"Amazonで商品検索"},
    {u"Frame2", K::Frame, u"■　商品説明  HTMLタグ入力可能", kItemPage, u"", u"商品説明欄"},
    {u"TextBox商品説明", K::MultiLineText, u"", kItemPage, u"Frame2", u"商品説明"},
    {u"Command定型文を挿入", K::Button, u"定型文を挿入", kItemPage, u"Frame2", u"定型文を挿入"},
    {u"Command定型文を編集", K::Button, u"定型文を編集", kItemPage, u"Frame2", u"定型文を編集"},
    {u"CommandButton6", K::Button, u"クリア", kItemPage, u"Frame2", u"商品説明をクリア"},
    {u"Frame3", K::Frame, u"支払い", kItemPage, u"", u"支払い欄"},
    {u"Label支払い方法", K::Display, u"", kItemPage, u"Frame3", u"支払い方法"},
    {u"Frame4", K::Frame, u"送料", kItemPage, u"", u"送料欄"},
    {u"Label4", K::Label, u"商品のサイズ", kItemPage, u"Frame4", u""},
    {u"ComboBox商品サイズ", K::Combo, u"", kItemPage, u"Frame4", u"商品のサイズ"},
    {u"Label5", K::Label, u"商品重量", kItemPage, u"Frame4", u""},
    {u"ComboBox商品重さ", K::Combo, u"", kItemPage, u"Frame4", u"商品重量"},
    {kMailBinOnItemPage, K::Check, u"メール便", kItemPage, u"Frame4", u"メール便（送料欄）"},
    {u"ComboBoxクロネコメール便", K::Combo, u"クロネコメール便", kItemPage, u"Frame4", u"メール便のサイズ"},
    {u"CheckBox最安値", K::Check, u"最安値を表示　（宅配便は表示されます）", kItemPage, u"Frame4", u"最安値を表示　（宅配便は表示されます）"},
    {u"Label送料1", K::Display, u"", kItemPage, u"Frame4", u"送料1"},
    {u"Label送料2", K::Display, u"", kItemPage, u"Frame4", u"送料2"},

    // Page 1 "支払詳細"
    {u"Frame6", K::Frame, u"■　支払いの説明文　　HTMLタグ入力可能", kPaymentPage, u"", u"支払いの説明文欄"},
    {u"Text支払説明", K::MultiLineText, u"", kPaymentPage, u"Frame6", u"支払いの説明文"},
    {u"Check支払いl説明", K::Check, u"表示不要", kPaymentPage, u"Frame6", u"支払いの説明文 表示不要"},
    {u"CommandButton9", K::Button, u"説明文を編集", kPaymentPage, u"Frame6", u"支払いの説明文を編集"},
    {u"Frame5", K::Frame, u"■　よく使う支払い方法", kPaymentPage, u"", u"よく使う支払い方法欄"},
    {u"CheckBoxかんたん決済", K::Check, u"Yahoo!かんたん決済", kPaymentPage, u"Frame5", u"Yahoo!かんたん決済"},
    {u"CheckBoxネットバンキング", K::Check, u"Yahoo!ネットバンキング", kPaymentPage, u"Frame5", u"Yahoo!ネットバンキング"},
    {u"CheckBoxゆうちょ銀行", K::Check, u"ゆうちょ銀行", kPaymentPage, u"Frame5", u"ゆうちょ銀行"},
    {u"Label7", K::Label, u"記号", kPaymentPage, u"Frame5", u"", kHidden},
    {u"TextBoxゆうちょ記号", K::Text, u"1234567890", kPaymentPage, u"Frame5", u"ゆうちょ銀行の記号", kHidden},
    {u"Label8", K::Label, u"番号", kPaymentPage, u"Frame5", u"", kHidden},
    {u"TextBoxゆうちょ番号", K::Text, u"1234567890", kPaymentPage, u"Frame5", u"ゆうちょ銀行の番号", kHidden},
    {u"Label9", K::Label, u"銀行名", kPaymentPage, u"Frame5", u""},
    {u"Label10", K::Label, u"支店名", kPaymentPage, u"Frame5", u"", kHidden},
    {u"Label11", K::Label, u"口座番号", kPaymentPage, u"Frame5", u"", kHidden},
    {u"CheckBox銀行1", K::Check, u"銀行１", kPaymentPage, u"Frame5", u"銀行１"},
    {u"TextBox銀行名1", K::Text, u"", kPaymentPage, u"Frame5", u"銀行名1"},
    {u"TextBox支店名1", K::Text, u"", kPaymentPage, u"Frame5", u"支店名1", kHidden},
    {u"TextBox口座番号1", K::Text, u"", kPaymentPage, u"Frame5", u"口座番号1", kHidden},
    {u"CheckBox銀行2", K::Check, u"銀行２", kPaymentPage, u"Frame5", u"銀行２"},
    {u"TextBox銀行名2", K::Text, u"", kPaymentPage, u"Frame5", u"銀行名2"},
    {u"TextBox支店名2", K::Text, u"", kPaymentPage, u"Frame5", u"支店名2", kHidden},
    {u"TextBox口座番号2", K::Text, u"", kPaymentPage, u"Frame5", u"口座番号2", kHidden},
    {u"CheckBox銀行3", K::Check, u"銀行３", kPaymentPage, u"Frame5", u"銀行３"},
    {u"TextBox銀行名3", K::Text, u"", kPaymentPage, u"Frame5", u"銀行名3"},
    {u"TextBox支店名3", K::Text, u"", kPaymentPage, u"Frame5", u"支店名3", kHidden},
    {u"TextBox口座番号3", K::Text, u"", kPaymentPage, u"Frame5", u"口座番号3", kHidden},
    {u"CheckBox現金書留", K::Check, u"現金書留", kPaymentPage, u"Frame5", u"現金書留"},
    {u"CheckBox代金引換", K::Check, u"代金引換", kPaymentPage, u"Frame5", u"代金引換"},
    {u"TextBox代金引換", K::Text, u"", kPaymentPage, u"Frame5", u"代金引換の補足"},
    {u"CheckBoxその他", K::Check, u"その他   (切手、商品券など)", kPaymentPage, u"Frame5", u"その他   (切手、商品券など)"},
    {u"TextBoxその他", K::Text, u"", kPaymentPage, u"Frame5", u"その他の支払い方法"},

    // Page 2 "発送詳細"
    {u"Frame10", K::Frame, u"■　発送の説明文　　HTMLタグ入力可能  ", kShippingPage, u"", u"発送の説明文欄"},
    {u"Text発送注意事項", K::MultiLineText, u"", kShippingPage, u"Frame10", u"発送の説明文"},
    {u"Check発送説明", K::Check, u"表示不要", kShippingPage, u"Frame10", u"発送の説明文 表示不要"},
    {u"CommandButton15", K::Button, u"説明文を編集", kShippingPage, u"Frame10", u"発送の説明文を編集"},
    {u"Frame9", K::Frame, u"■　その他　　　対応できるものにチェックをいれる", kShippingPage, u"", u"その他の発送方法欄"},
    {u"CheckBoxはこBOON", K::Check, u"はこBOON", kShippingPage, u"Frame9", u"はこBOON"},
    {u"CheckBox送料一律", K::Check, u"送料一律", kShippingPage, u"Frame9", u"送料一律"},
    {u"TextBox送料一律", K::Text, u"", kShippingPage, u"Frame9", u"送料一律の金額"},
    {u"CheckBoxその他の運送会社", K::Check, u"その他の運送会社", kShippingPage, u"Frame9", u"その他の運送会社"},
    {u"TextBoxその他の運送会社", K::Text, u"", kShippingPage, u"Frame9", u"その他の運送会社名"},
    {u"Frame8", K::Frame, u"■　ヤマト運輸　　　対応できるものにチェックをいれる", kShippingPage, u"", u"ヤマト運輸欄"},
    {u"CheckBoxクロネコ宅急便", K::Check, u"宅急便", kShippingPage, u"Frame8", u"宅急便"},
    {u"CheckBoxクロネコ宅急便持込割引", K::Check, u"持込割引", kShippingPage, u"Frame8", u"宅急便 持込割引"},
    {kMailBinOnShippingPage, K::Check, u"メール便", kShippingPage, u"Frame8", u"メール便（ヤマト運輸）"},
    {u"CommandButton4", K::Button, u"ヤマト運輸", kShippingPage, u"Frame8", u"ヤマト運輸"},
    {u"Frame7", K::Frame, u"■　日本郵便　　　対応できるものにチェックをいれる", kShippingPage, u"", u"日本郵便欄"},
    {u"CheckBox定形郵便", K::Check, u"定形郵便", kShippingPage, u"Frame7", u"定形郵便"},
    {u"CheckBox定形外郵便", K::Check, u"定形外郵便", kShippingPage, u"Frame7", u"定形外郵便"},
    {u"CheckBoxゆうメール", K::Check, u"ゆうメール", kShippingPage, u"Frame7", u"ゆうメール"},
    {u"CheckBoxミニレター", K::Check, u"ミニレター", kShippingPage, u"Frame7", u"ミニレター"},
    {u"CheckBoxレターパック350", K::Check, u"レターパック350", kShippingPage, u"Frame7", u"レターパック350"},
    {u"CheckBoxレターパック500", K::Check, u"レターパック500", kShippingPage, u"Frame7", u"レターパック500"},
    {u"CheckBoxゆうパック", K::Check, u"ゆうパック", kShippingPage, u"Frame7", u"ゆうパック"},
    {u"CheckBoxゆうパック持込割引", K::Check, u"持込割引", kShippingPage, u"Frame7", u"ゆうパック 持込割引"},
    {u"CommandButton5", K::Button, u"日本郵便", kShippingPage, u"Frame7", u"日本郵便"},

    // Page 3 "基本情報＆注意事項"
    {u"Frame16", K::Frame, u"Yahoo!", kBasicPage, u"", u"Yahoo!欄"},
    {u"Label23", K::Label, u"Yahoo!ID", kBasicPage, u"Frame16", u""},
    {u"Textyahooid", K::Text, u"", kBasicPage, u"Frame16", u"Yahoo!ID"},
    {u"CommandPass", K::Button, u"Yahoo!パスワードの登録", kBasicPage, u"Frame16", u"Yahoo!パスワードの登録"},
    {u"Frame17", K::Frame, u"マイブース", kBasicPage, u"Frame16", u"マイブース欄"},
    {u"ComboMyBooth", K::Combo, u"マイブースの表示", kBasicPage, u"Frame17", u"マイブースの表示"},
    {u"OptionBooth1", K::Option, u"", kBasicPage, u"Frame17", u"バナーで表示"},
    {u"Image1", K::Picture, u"", kBasicPage, u"Frame17", u"バナーの見本"},
    {u"OptionBooth2", K::Option, u"", kBasicPage, u"Frame17", u"ボタンで表示"},
    {u"Image2", K::Picture, u"", kBasicPage, u"Frame17", u"ボタンの見本"},
    {u"OptionBooth3", K::Option, u"", kBasicPage, u"Frame17", u"ユーザー設定で表示"},
    {u"Label24", K::Label, u"ユーザー設定　　　（設定できる方は下記に入力<a href=.....>..........</a> ）", kBasicPage, u"Frame17", u""},
    {u"TextBoothUser", K::Text, u"", kBasicPage, u"Frame17", u"ユーザー設定のHTML"},
    {u"Frame15", K::Frame, u"商品発送元の地域", kBasicPage, u"", u"商品発送元の地域欄"},
    {u"Combo都道府県", K::Combo, u"Combo都道府県", kBasicPage, u"Frame15", u"商品発送元の地域"},
    {u"Frame11", K::Frame, u"■　注意事項（マイルール）　　HTMLタグ入力可能 ", kBasicPage, u"", u"注意事項欄"},
    {u"Text注意事項", K::MultiLineText, u"", kBasicPage, u"Frame11", u"注意事項"},
    {u"Check注意事項", K::Check, u"表示不要", kBasicPage, u"Frame11", u"注意事項 表示不要"},
    {u"CommandButton18", K::Button, u"説明文を編集", kBasicPage, u"Frame11", u"注意事項を編集"},

    // Page 4 "書式設定"
    {u"Frame14", K::Frame, u"フォント", kDesignPage, u"", u"フォント欄"},
    {u"Label18", K::Label, u"スタイル", kDesignPage, u"Frame14", u""},
    {u"Label19", K::Label, u"サイズ", kDesignPage, u"Frame14", u""},
    {u"Label20", K::Label, u"カラー", kDesignPage, u"Frame14", u""},
    {u"Label16", K::Label, u"タイトル文字", kDesignPage, u"Frame14", u""},
    {u"ComboTS1", K::Combo, u"", kDesignPage, u"Frame14", u"タイトル文字のスタイル"},
    {u"ComboTS2", K::Combo, u"", kDesignPage, u"Frame14", u"タイトル文字のサイズ"},
    {u"CommandT", K::ForeSwatch, u"■■色■■", kDesignPage, u"Frame14", u"タイトル文字のカラー"},
    {u"Label17", K::Label, u"見出し文字", kDesignPage, u"Frame14", u""},
    {u"ComboMS1", K::Combo, u"", kDesignPage, u"Frame14", u"見出し文字のスタイル"},
    {u"ComboMS2", K::Combo, u"", kDesignPage, u"Frame14", u"見出し文字のサイズ"},
    {u"CommandM", K::ForeSwatch, u"■■色■■", kDesignPage, u"Frame14", u"見出し文字のカラー"},
    {u"Label21", K::Label, u"支払い・送料", kDesignPage, u"Frame14", u""},
    {u"ComboSR1", K::Combo, u"", kDesignPage, u"Frame14", u"支払い・送料のスタイル"},
    {u"ComboSR2", K::Combo, u"", kDesignPage, u"Frame14", u"支払い・送料のサイズ"},
    {u"CommandSR", K::ForeSwatch, u"■■色■■", kDesignPage, u"Frame14", u"支払い・送料のカラー"},
    {u"Label22", K::Label, u"説明文や注意事項のフォントの設定は各説明分の編集でHTMLタグで入力してください", kDesignPage, u"Frame14", u""},
    {u"Frame13", K::Frame, u"テンプレート", kDesignPage, u"", u"テンプレート欄"},
    {u"CommandButton19", K::Button, u"テンプレート選択", kDesignPage, u"Frame13", u"テンプレート選択"},
    {u"Label15", K::Display, u"テンプレート：", kDesignPage, u"Frame13", u"選択中のテンプレート"},
    {u"Label13", K::Label, u"表示幅", kDesignPage, u"Frame13", u""},
    {u"ComboBox表示幅", K::Combo, u"", kDesignPage, u"Frame13", u"表示幅"},
    {u"Label14", K::Label, u"表示位置", kDesignPage, u"Frame13", u""},
    {u"ComboBox表示位置", K::Combo, u"", kDesignPage, u"Frame13", u"表示位置"},
    {u"Frame12", K::Frame, u"バックカラー", kDesignPage, u"", u"バックカラー欄"},
    {u"L11", K::Label, u"デフォルト", kDesignPage, u"Frame12", u""},
    {u"L12", K::BackSwatch, u"メインカラー", kDesignPage, u"Frame12", u"デフォルト メインカラー"},
    {u"L13", K::BackSwatch, u"サブカラー", kDesignPage, u"Frame12", u"デフォルト サブカラー"},
    {u"OptionButton1", K::Option, u"", kDesignPage, u"Frame12", u"デフォルト"},
    {u"L21", K::Label, u"シンプル", kDesignPage, u"Frame12", u""},
    {u"L22", K::BackSwatch, u"メインカラー", kDesignPage, u"Frame12", u"シンプル メインカラー"},
    {u"L23", K::BackSwatch, u"サブカラー", kDesignPage, u"Frame12", u"シンプル サブカラー"},
    {u"OptionButton2", K::Option, u"", kDesignPage, u"Frame12", u"シンプル"},
    {u"L31", K::Label, u"クラシック", kDesignPage, u"Frame12", u""},
    {u"L32", K::BackSwatch, u"メインカラー", kDesignPage, u"Frame12", u"クラシック メインカラー"},
    {u"L33", K::BackSwatch, u"サブカラー", kDesignPage, u"Frame12", u"クラシック サブカラー"},
    {u"OptionButton3", K::Option, u"", kDesignPage, u"Frame12", u"クラシック"},
    {u"L41", K::Label, u"夕焼け", kDesignPage, u"Frame12", u""},
    {u"L42", K::BackSwatch, u"メインカラー", kDesignPage, u"Frame12", u"夕焼け メインカラー"},
    {u"L43", K::BackSwatch, u"サブカラー", kDesignPage, u"Frame12", u"夕焼け サブカラー"},
    {u"OptionButton4", K::Option, u"", kDesignPage, u"Frame12", u"夕焼け"},
    {u"L51", K::Label, u"草原", kDesignPage, u"Frame12", u""},
    {u"L52", K::BackSwatch, u"メインカラー", kDesignPage, u"Frame12", u"草原 メインカラー"},
    {u"L53", K::BackSwatch, u"サブカラー", kDesignPage, u"Frame12", u"草原 サブカラー"},
    {u"OptionButton5", K::Option, u"", kDesignPage, u"Frame12", u"草原"},
    {u"L61", K::Label, u"アクア", kDesignPage, u"Frame12", u""},
    {u"L62", K::BackSwatch, u"メインカラー", kDesignPage, u"Frame12", u"アクア メインカラー"},
    {u"L63", K::BackSwatch, u"サブカラー", kDesignPage, u"Frame12", u"アクア サブカラー"},
    {u"OptionButton6", K::Option, u"", kDesignPage, u"Frame12", u"アクア"},
    {u"L71", K::Label, u"ラベンダー", kDesignPage, u"Frame12", u""},
    {u"L72", K::BackSwatch, u"メインカラー", kDesignPage, u"Frame12", u"ラベンダー メインカラー"},
    {u"L73", K::BackSwatch, u"サブカラー", kDesignPage, u"Frame12", u"ラベンダー サブカラー"},
    {u"OptionButton7", K::Option, u"", kDesignPage, u"Frame12", u"ラベンダー"},
    {u"L81", K::Label, u"アース", kDesignPage, u"Frame12", u""},
    {u"L82", K::BackSwatch, u"メインカラー", kDesignPage, u"Frame12", u"アース メインカラー"},
    {u"L83", K::BackSwatch, u"サブカラー", kDesignPage, u"Frame12", u"アース サブカラー"},
    {u"OptionButton8", K::Option, u"", kDesignPage, u"Frame12", u"アース"},
    {u"L01", K::Label, u"白色", kDesignPage, u"Frame12", u""},
    {u"L02", K::BackSwatch, u"メインカラー", kDesignPage, u"Frame12", u"白色 メインカラー"},
    {u"L03", K::BackSwatch, u"サブカラー", kDesignPage, u"Frame12", u"白色 サブカラー"},
    {u"OptionButton0", K::Option, u"", kDesignPage, u"Frame12", u"白色"},
    {u"L91", K::Label, u"ユーザー設定", kDesignPage, u"Frame12", u""},
    {u"L92", K::BackSwatch, u"色を変更できます", kDesignPage, u"Frame12", u"ユーザー設定 メインカラー"},
    {u"L93", K::BackSwatch, u"色を変更できます", kDesignPage, u"Frame12", u"ユーザー設定 サブカラー"},
    {u"OptionButton9", K::Option, u"", kDesignPage, u"Frame12", u"ユーザー設定"},

    // The button row below the tabs, on every page
    {u"ButtonPreview", K::Button, u"プレビュー", kNoPage, u"", u"プレビュー"},
    {u"Command1", K::Button, u"完成", kNoPage, u"", u"完成"},
    {u"Command2", K::Button, u"出品", kNoPage, u"", u"出品"},
    {u"ButtonEnd", K::Button, u"終了", kNoPage, u"", u"終了"},

    // Menu bar; a menu's items name the menu as their frame
    {u"mnuFile", K::Menu, u"ファイル(&F)", kNoPage, u"", u"ファイル"},
    {u"mnuSOpen", K::MenuItem, u"下書きファイルを開く(&O)", kNoPage, u"mnuFile", u"下書きファイルを開く"},
    {u"mnuCOpen", K::MenuItem, u"完成ファイルを開く(&C)", kNoPage, u"mnuFile", u"完成ファイルを開く"},
    {u"mnuline1", K::Separator, u"-", kNoPage, u"mnuFile", u"区切り線1"},
    {u"mnuSaveSita", K::MenuItem, u"下書きファイルを保存(&S)", kNoPage, u"mnuFile", u"下書きファイルを保存"},
    {u"mnuSaveComp", K::MenuItem, u"完成ファイルを保存(&E)", kNoPage, u"mnuFile", u"完成ファイルを保存"},
    {u"mnuline2", K::Separator, u"-", kNoPage, u"mnuFile", u"区切り線2"},
    {u"mnurelease", K::MenuItem, u"ファイルの一覧(&V)", kNoPage, u"mnuFile", u"ファイルの一覧"},
    {u"mnuline3", K::Separator, u"-", kNoPage, u"mnuFile", u"区切り線3"},
    {u"mnuBackup", K::MenuItem, u"バックアップを作成(&B)…", kNoPage, u"mnuFile", u"バックアップを作成"},
    {u"mnuRestore", K::MenuItem, u"バックアップから復元(&R)…", kNoPage, u"mnuFile", u"バックアップから復元"},
    {u"mnuDataFolder", K::MenuItem, u"データのフォルダーを開く(&D)", kNoPage, u"mnuFile", u"データのフォルダーを開く"},
    {u"mnuline5", K::Separator, u"-", kNoPage, u"mnuFile", u"区切り線5"},
    {u"mnuEnd", K::MenuItem, u"終了(&X)", kNoPage, u"mnuFile", u"終了（メニュー）"},
    {u"mnusetting", K::Menu, u"設定(&S)", kNoPage, u"", u"設定"},
    {u"mnuediter", K::MenuItem, u"エディタの設定(&E)", kNoPage, u"mnusetting", u"エディタの設定"},
    {u"mnuyahoo", K::Menu, u"Yahoo!(&Y)", kNoPage, u"", u"Yahoo!"},
    {u"mnumypage", K::MenuItem, u"マイ・オークションへログイン(&M)", kNoPage, u"mnuyahoo", u"マイ・オークションへログイン"},
    {u"mnuHelp", K::Menu, u"ヘルプ(&H)", kNoPage, u"", u"ヘルプ"},
    {u"mnumanyu", K::MenuItem, u"オンラインマニュアル(&O)", kNoPage, u"mnuHelp", u"オンラインマニュアル"},
    {u"mnuline4", K::Separator, u"-", kNoPage, u"mnuHelp", u"区切り線4"},
    {u"mnuVersion", K::MenuItem, u"ﾊﾞｰｼﾞｮﾝ情報(&A)", kNoPage, u"mnuHelp", u"バージョン情報"},
};

constexpr std::array<QStringView, 5> kPageCaptions = {
    u"商品情報", u"支払詳細", u"発送詳細", u"基本情報＆注意事項", u"書式設定",
};
// clang-format on

} // namespace

std::span<const ControlEntry> form1Controls() {
    return kControls;
}

const ControlEntry& form1Control(QStringView name) {
    const auto* found = std::find_if(std::begin(kControls), std::end(kControls),
                                     [name](const ControlEntry& c) { return c.name == name; });
    if (found == std::end(kControls))
        qFatal("control missing from the table: %s", qPrintable(name.toString()));
    return *found;
}

std::span<const QStringView> form1PageCaptions() {
    return kPageCaptions;
}

} // namespace ui
