#pragma once

#include <QStringView>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QWidget;

namespace ui {

class SwatchLabel;

// Every control of the main window, each named m_ + its control name, and the builders
// of the pages (one file each), the button row and the menu. Nothing here reacts to the
// seller: the actions (form1_actions.h) connect the controls.
struct Form1Widgets {
    // Builds the tabs, the button row and the menu into `window`, and the keyboard order.
    void build(QMainWindow* window);

    QTabWidget* m_SSTab1 = nullptr;

    // Page 0 "商品情報"
    QGroupBox* m_Frame1 = nullptr;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_TextBoxタイトル = nullptr;
    QLabel* m_Label12 = nullptr;
    QPushButton* m_Command3 = nullptr;
    QLineEdit* m_TextBoxJAN = nullptr;
    QPushButton* m_CBJAN検索 = nullptr;
    QGroupBox* m_Frame2 = nullptr;
    QPlainTextEdit* m_TextBox商品説明 = nullptr;
    QPushButton* m_Command定型文を挿入 = nullptr;
    QPushButton* m_Command定型文を編集 = nullptr;
    QPushButton* m_CommandButton6 = nullptr;
    QGroupBox* m_Frame3 = nullptr;
    QLabel* m_Label支払い方法 = nullptr;
    QGroupBox* m_Frame4 = nullptr;
    QLabel* m_Label4 = nullptr;
    QComboBox* m_ComboBox商品サイズ = nullptr;
    QLabel* m_Label5 = nullptr;
    QComboBox* m_ComboBox商品重さ = nullptr;
    // Element 0 is on page 2, element 1 on page 0; both stand for the same choice.
    std::array<QCheckBox*, 2> m_CheckBoxクロネコメール便{};
    QComboBox* m_ComboBoxクロネコメール便 = nullptr;
    QCheckBox* m_CheckBox最安値 = nullptr;
    QLabel* m_Label送料1 = nullptr;
    QLabel* m_Label送料2 = nullptr;

    // Page 1 "支払詳細"
    QGroupBox* m_Frame6 = nullptr;
    QPlainTextEdit* m_Text支払説明 = nullptr;
    QCheckBox* m_Check支払いl説明 = nullptr;
    QPushButton* m_CommandButton9 = nullptr;
    QGroupBox* m_Frame5 = nullptr;
    QCheckBox* m_CheckBoxかんたん決済 = nullptr;
    QCheckBox* m_CheckBoxネットバンキング = nullptr;
    QCheckBox* m_CheckBoxゆうちょ銀行 = nullptr;
    QLineEdit* m_TextBoxゆうちょ記号 = nullptr;
    QLineEdit* m_TextBoxゆうちょ番号 = nullptr;
    QLabel* m_Label7 = nullptr;
    QLabel* m_Label8 = nullptr;
    QCheckBox* m_CheckBox銀行1 = nullptr;
    QCheckBox* m_CheckBox銀行2 = nullptr;
    QCheckBox* m_CheckBox銀行3 = nullptr;
    QLineEdit* m_TextBox銀行名1 = nullptr;
    QLineEdit* m_TextBox銀行名2 = nullptr;
    QLineEdit* m_TextBox銀行名3 = nullptr;
    QLineEdit* m_TextBox支店名1 = nullptr;
    QLineEdit* m_TextBox支店名2 = nullptr;
    QLineEdit* m_TextBox支店名3 = nullptr;
    QLineEdit* m_TextBox口座番号1 = nullptr;
    QLineEdit* m_TextBox口座番号2 = nullptr;
    QLineEdit* m_TextBox口座番号3 = nullptr;
    QLabel* m_Label9 = nullptr;
    QLabel* m_Label10 = nullptr;
    QLabel* m_Label11 = nullptr;
    QCheckBox* m_CheckBox現金書留 = nullptr;
    QCheckBox* m_CheckBox代金引換 = nullptr;
    QLineEdit* m_TextBox代金引換 = nullptr;
    QCheckBox* m_CheckBoxその他 = nullptr;
    QLineEdit* m_TextBoxその他 = nullptr;

    // Page 2 "発送詳細"
    QGroupBox* m_Frame10 = nullptr;
    QPlainTextEdit* m_Text発送注意事項 = nullptr;
    QCheckBox* m_Check発送説明 = nullptr;
    QPushButton* m_CommandButton15 = nullptr;
    QGroupBox* m_Frame9 = nullptr;
    QCheckBox* m_CheckBoxはこBOON = nullptr;
    QCheckBox* m_CheckBox送料一律 = nullptr;
    QLineEdit* m_TextBox送料一律 = nullptr;
    QCheckBox* m_CheckBoxその他の運送会社 = nullptr;
    QLineEdit* m_TextBoxその他の運送会社 = nullptr;
    QGroupBox* m_Frame8 = nullptr;
    QCheckBox* m_CheckBoxクロネコ宅急便 = nullptr;
    QCheckBox* m_CheckBoxクロネコ宅急便持込割引 = nullptr;
    QPushButton* m_CommandButton4 = nullptr;
    QGroupBox* m_Frame7 = nullptr;
    QCheckBox* m_CheckBox定形郵便 = nullptr;
    QCheckBox* m_CheckBox定形外郵便 = nullptr;
    QCheckBox* m_CheckBoxゆうメール = nullptr;
    QCheckBox* m_CheckBoxミニレター = nullptr;
    QCheckBox* m_CheckBoxレターパック350 = nullptr;
    QCheckBox* m_CheckBoxレターパック500 = nullptr;
    QCheckBox* m_CheckBoxゆうパック = nullptr;
    QCheckBox* m_CheckBoxゆうパック持込割引 = nullptr;
    QPushButton* m_CommandButton5 = nullptr;

    // Page 3 "基本情報＆注意事項"
    QGroupBox* m_Frame16 = nullptr;
    QLabel* m_Label23 = nullptr;
    QLineEdit* m_Textyahooid = nullptr;
    QPushButton* m_CommandPass = nullptr;
    QGroupBox* m_Frame17 = nullptr;
    QComboBox* m_ComboMyBooth = nullptr;
    QRadioButton* m_OptionBooth1 = nullptr;
    QRadioButton* m_OptionBooth2 = nullptr;
    QRadioButton* m_OptionBooth3 = nullptr;
    QLabel* m_Image1 = nullptr;
    QLabel* m_Image2 = nullptr;
    QLabel* m_Label24 = nullptr;
    QLineEdit* m_TextBoothUser = nullptr;
    QGroupBox* m_Frame15 = nullptr;
    QComboBox* m_Combo都道府県 = nullptr;
    QGroupBox* m_Frame11 = nullptr;
    QPlainTextEdit* m_Text注意事項 = nullptr;
    QCheckBox* m_Check注意事項 = nullptr;
    QPushButton* m_CommandButton18 = nullptr;

    // Page 4 "書式設定"
    QGroupBox* m_Frame14 = nullptr;
    QLabel* m_Label16 = nullptr;
    QLabel* m_Label17 = nullptr;
    QLabel* m_Label18 = nullptr;
    QLabel* m_Label19 = nullptr;
    QLabel* m_Label20 = nullptr;
    QLabel* m_Label21 = nullptr;
    QLabel* m_Label22 = nullptr;
    QComboBox* m_ComboTS1 = nullptr;
    QComboBox* m_ComboTS2 = nullptr;
    SwatchLabel* m_CommandT = nullptr;
    QComboBox* m_ComboMS1 = nullptr;
    QComboBox* m_ComboMS2 = nullptr;
    SwatchLabel* m_CommandM = nullptr;
    QComboBox* m_ComboSR1 = nullptr;
    QComboBox* m_ComboSR2 = nullptr;
    SwatchLabel* m_CommandSR = nullptr;
    QGroupBox* m_Frame13 = nullptr;
    QPushButton* m_CommandButton19 = nullptr;
    QLabel* m_Label15 = nullptr;
    QLabel* m_Label13 = nullptr;
    QComboBox* m_ComboBox表示幅 = nullptr;
    QLabel* m_Label14 = nullptr;
    QComboBox* m_ComboBox表示位置 = nullptr;
    QGroupBox* m_Frame12 = nullptr;
    // Colour scheme n: option OptionButton<n>, name label L<n>1, swatches L<n>2 and L<n>3.
    std::array<QRadioButton*, 10> m_OptionButton{};
    std::array<QLabel*, 10> m_Ln1{};
    std::array<SwatchLabel*, 10> m_Ln2{};
    std::array<SwatchLabel*, 10> m_Ln3{};
    SwatchLabel* m_L92 = nullptr; // m_Ln2[9] and m_Ln3[9]: the user's own colours
    SwatchLabel* m_L93 = nullptr;

    // The button row below the tabs
    QPushButton* m_ButtonPreview = nullptr;
    QPushButton* m_Command1 = nullptr;
    QPushButton* m_Command2 = nullptr;
    QPushButton* m_ButtonEnd = nullptr;

    // Menu bar
    QMenu* m_mnuFile = nullptr;
    QAction* m_mnuSOpen = nullptr;
    QAction* m_mnuCOpen = nullptr;
    QAction* m_mnuSaveSita = nullptr;
    QAction* m_mnuSaveComp = nullptr;
    QAction* m_mnurelease = nullptr;
    QAction* m_mnuBackup = nullptr;
    QAction* m_mnuRestore = nullptr;
    QAction* m_mnuDataFolder = nullptr;
    QAction* m_mnuEnd = nullptr;
    QMenu* m_mnusetting = nullptr;
    QAction* m_mnuediter = nullptr;
    QMenu* m_mnuyahoo = nullptr;
    QAction* m_mnumypage = nullptr;
    QMenu* m_mnuHelp = nullptr;
    QAction* m_mnumanyu = nullptr;
    QAction* m_mnuVersion = nullptr;

private:
    QWidget* buildItemPage();
    QWidget* buildPaymentPage();
    QWidget* buildShippingPage();
    QWidget* buildBasicPage();
    QWidget* buildDesignPage();
    QWidget* buildButtonRow();
    void buildMenu(QMenuBar* bar);
    void setUpKeyboard(QWidget* window);
};

} // namespace ui
