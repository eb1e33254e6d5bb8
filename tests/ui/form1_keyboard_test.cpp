// The main window used from the keyboard alone: menu access keys, the Tab order of each
// page, and the colour swatches that act as buttons.
#include "form1_fixture.h"
#include "ui/widgets/swatch_label.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <ostream>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// The control holding the focus; the tab bar stands for SSTab1.
std::string focusedControl() {
    const QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr)
        return "(none)";
    if (qobject_cast<const QTabBar*>(focused) != nullptr)
        focused = focused->parentWidget();
    return focused->objectName().toStdString();
}

void pressTab() {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key_Tab);
}

class Form1Keyboard : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        createForm();
        showActive();
    }
};

TEST_F(Form1Keyboard, TabFromTheTitleReachesTheDescription) {
    auto* description = child<QPlainTextEdit>(u"TextBox商品説明"_s);
    ASSERT_EQ(focusedControl(), "TextBoxタイトル");
    pressTab();
    EXPECT_EQ(focusedControl(), "TextBox商品説明");
    // Tab leaves the description instead of typing a tab character into it.
    pressTab();
    EXPECT_EQ(description->toPlainText(), u""_s);
    EXPECT_EQ(focusedControl(), "Command定型文を挿入");
}

// From the first control of a page, Tab visits the page's frames in page order, then the
// button row and the tab bar, and comes back to the first control. Hidden controls and the
// other pages are passed over; a group of options is one stop, at its chosen option.
struct TabCase {
    int page;
    std::vector<std::string> order;
    QString chosenOption; // chosen before the walk, so the stop does not depend on the files
};
void PrintTo(const TabCase& c, std::ostream* os) {
    *os << "page " << c.page;
}

const std::vector<std::string> kAfterEveryPage = {"ButtonPreview", "Command1", "Command2",
                                                  "ButtonEnd", "SSTab1"};

class Form1TabOrder : public Form1Keyboard, public ::testing::WithParamInterface<TabCase> {};

TEST_P(Form1TabOrder, FollowsThePage) {
    const TabCase& c = GetParam();
    child<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(c.page);
    if (!c.chosenOption.isEmpty())
        child<QRadioButton>(c.chosenOption)->setChecked(true);
    std::vector<std::string> expected = c.order;
    expected.insert(expected.end(), kAfterEveryPage.begin(), kAfterEveryPage.end());
    expected.push_back(c.order.front());

    child<QWidget>(QString::fromStdString(c.order.front()))->setFocus(Qt::TabFocusReason);
    std::vector<std::string> visited = {focusedControl()};
    while (visited.size() < expected.size()) {
        pressTab();
        visited.push_back(focusedControl());
    }
    EXPECT_EQ(visited, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, Form1TabOrder,
    ::testing::Values(
        TabCase{0,
                {"TextBoxタイトル", "TextBox商品説明", "Command定型文を挿入", "Command定型文を編集",
                 "CommandButton6", "Command3", "TextBoxJAN", "CBJAN検索", "ComboBox商品サイズ",
                 "ComboBox商品重さ", "CheckBoxクロネコメール便_1", "ComboBoxクロネコメール便",
                 "CheckBox最安値"},
                {}},
        TabCase{1,
                {"Text支払説明", "Check支払いl説明", "CommandButton9", "CheckBoxかんたん決済",
                 "CheckBoxネットバンキング", "CheckBoxゆうちょ銀行", "CheckBox銀行1",
                 "TextBox銀行名1", "CheckBox銀行2", "TextBox銀行名2", "CheckBox銀行3",
                 "TextBox銀行名3", "CheckBox現金書留", "CheckBox代金引換", "TextBox代金引換",
                 "CheckBoxその他", "TextBoxその他"},
                {}},
        TabCase{2,
                {"Text発送注意事項",
                 "Check発送説明",
                 "CommandButton15",
                 "CheckBoxはこBOON",
                 "CheckBox送料一律",
                 "TextBox送料一律",
                 "CheckBoxその他の運送会社",
                 "TextBoxその他の運送会社",
                 "CheckBoxクロネコ宅急便",
                 "CheckBoxクロネコ宅急便持込割引",
                 "CheckBoxクロネコメール便_0",
                 "CommandButton4",
                 "CheckBox定形郵便",
                 "CheckBox定形外郵便",
                 "CheckBoxゆうメール",
                 "CheckBoxミニレター",
                 "CheckBoxレターパック350",
                 "CheckBoxレターパック500",
                 "CheckBoxゆうパック",
                 "CheckBoxゆうパック持込割引",
                 "CommandButton5"},
                {}},
        TabCase{3,
                {"Textyahooid", "CommandPass", "ComboMyBooth", "OptionBooth2", "TextBoothUser",
                 "Combo都道府県", "Text注意事項", "Check注意事項", "CommandButton18"},
                u"OptionBooth2"_s},
        TabCase{4,
                {"ComboTS1", "ComboTS2", "CommandT", "ComboMS1", "ComboMS2", "CommandM", "ComboSR1",
                 "ComboSR2", "CommandSR", "CommandButton19", "ComboBox表示幅", "ComboBox表示位置",
                 "OptionButton5", "L92", "L93"},
                u"OptionButton5"_s}),
    [](const auto& info) { return std::to_string(info.param.page); });

// Alt and the menu's letter open it; the item's letter then chooses the item.
struct MenuCase {
    Qt::Key menuKey;
    QString menu;
    Qt::Key itemKey;
    QString item;
};
void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << c.menu.toStdString() << " " << c.item.toStdString();
}

class Form1MenuKeys : public Form1Keyboard, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(Form1MenuKeys, OpenTheMenuAndChooseTheItem) {
    const MenuCase& c = GetParam();
    auto* menu = child<QMenu>(c.menu);
    auto* item = child<QAction>(c.item);
    ASSERT_TRUE(menu != nullptr && item != nullptr);
    // The window's own handlers are cut off: what the item goes on to do (a dialog, a web
    // page, closing the window) is not the point here.
    QObject::disconnect(item, nullptr, m_form.get(), nullptr);
    QSignalSpy chosen(item, &QAction::triggered);

    QTest::keyClick(m_form.get(), c.menuKey, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000));
    QTest::keyClick(menu, c.itemKey);

    EXPECT_EQ(chosen.count(), 1);
    EXPECT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000));
}

INSTANTIATE_TEST_SUITE_P(
    Letters, Form1MenuKeys,
    ::testing::Values(MenuCase{Qt::Key_F, u"mnuFile"_s, Qt::Key_C, u"mnuCOpen"_s},
                      MenuCase{Qt::Key_F, u"mnuFile"_s, Qt::Key_S, u"mnuSaveSita"_s},
                      MenuCase{Qt::Key_F, u"mnuFile"_s, Qt::Key_E, u"mnuSaveComp"_s},
                      MenuCase{Qt::Key_F, u"mnuFile"_s, Qt::Key_X, u"mnuEnd"_s},
                      MenuCase{Qt::Key_F, u"mnuFile"_s, Qt::Key_B, u"mnuBackup"_s},
                      MenuCase{Qt::Key_F, u"mnuFile"_s, Qt::Key_R, u"mnuRestore"_s},
                      MenuCase{Qt::Key_F, u"mnuFile"_s, Qt::Key_D, u"mnuDataFolder"_s},
                      MenuCase{Qt::Key_S, u"mnusetting"_s, Qt::Key_E, u"mnuediter"_s},
                      MenuCase{Qt::Key_Y, u"mnuyahoo"_s, Qt::Key_M, u"mnumypage"_s},
                      MenuCase{Qt::Key_H, u"mnuHelp"_s, Qt::Key_A, u"mnuVersion"_s}),
    [](const auto& info) { return info.param.item.toStdString(); });

// A keyboard user changes a colour with Space or Enter on the swatch, as a mouse user
// clicks it. Preset swatches do nothing when clicked, so Tab passes them by.
struct SwatchKeyCase {
    QString swatch;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
void PrintTo(const SwatchKeyCase& c, std::ostream* os) {
    *os << c.swatch.toStdString() << " key " << c.key;
}

class Form1SwatchKeys : public Form1Keyboard,
                        public ::testing::WithParamInterface<SwatchKeyCase> {};

TEST_P(Form1SwatchKeys, KeyActsLikeAClick) {
    const SwatchKeyCase& c = GetParam();
    child<QTabWidget>(u"SSTab1"_s)->setCurrentIndex(4);
    auto* swatch = child<ui::SwatchLabel>(c.swatch);
    ASSERT_NE(swatch, nullptr);
    // Only that the key arrives as a click is checked here, not the colour dialog it opens.
    QObject::disconnect(swatch, &ui::SwatchLabel::clicked, nullptr, nullptr);
    QSignalSpy clicks(swatch, &ui::SwatchLabel::clicked);
    swatch->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(swatch->hasFocus());
    QTest::keyClick(swatch, c.key, c.modifiers);
    EXPECT_EQ(clicks.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Form1SwatchKeys,
    ::testing::Values(SwatchKeyCase{u"CommandT"_s, Qt::Key_Space, Qt::NoModifier},
                      SwatchKeyCase{u"CommandM"_s, Qt::Key_Return, Qt::NoModifier},
                      SwatchKeyCase{u"CommandSR"_s, Qt::Key_Enter, Qt::KeypadModifier},
                      SwatchKeyCase{u"L92"_s, Qt::Key_Space, Qt::NoModifier},
                      SwatchKeyCase{u"L93"_s, Qt::Key_Return, Qt::NoModifier}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(Form1Keyboard, PresetSwatchesNeitherTakeTheFocusNorClick) {
    auto* preset = child<ui::SwatchLabel>(u"L12"_s);
    ASSERT_NE(preset, nullptr);
    QSignalSpy clicks(preset, &ui::SwatchLabel::clicked);
    EXPECT_EQ(preset->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(preset, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
}

} // namespace
