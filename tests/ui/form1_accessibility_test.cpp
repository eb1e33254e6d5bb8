// What assistive technology finds in the main window, walked through Qt's accessibility
// interfaces as a screen reader would.
#include "accessible_names.h"
#include "content/form1_controls.h"
#include "form1_fixture.h"
#include "ui/widgets/swatch_label.h"

#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLabel>
#include <QSet>
#include <QSignalSpy>
#include <QTabBar>
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using content::ControlEntry;
using content::ControlKind;

namespace {

// The tab bar stands for SSTab1: it is the part that takes the focus and is read out.
QString controlName(const QWidget* widget) {
    if (qobject_cast<const QTabBar*>(widget) != nullptr)
        return widget->parentWidget()->objectName();
    return widget->objectName();
}

std::optional<AccessibleControl> findControl(const std::vector<AccessibleControl>& controls,
                                             const QString& name) {
    const auto found = std::find_if(controls.begin(), controls.end(), [&name](const auto& c) {
        return controlName(c.widget) == name;
    });
    if (found == controls.end())
        return std::nullopt;
    return *found;
}

std::vector<std::string> sortedNames(const QSet<QString>& names) {
    QStringList list = names.values();
    list.sort();
    std::vector<std::string> sorted;
    for (const QString& name : list)
        sorted.push_back(name.toStdString());
    return sorted;
}

bool isShownControl(const ControlEntry& entry) {
    switch (entry.kind) {
    case ControlKind::Frame:
    case ControlKind::Menu:
    case ControlKind::MenuItem:
    case ControlKind::Separator:
        return false;
    default:
        return !entry.hidden;
    }
}

class Form1Accessibility : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        createForm();
        showActive();
    }
};

TEST_F(Form1Accessibility, EveryControlHasANameOfItsOwn) {
    expectAccessibleNamesComplete(m_form.get());
}

// The name check above only sees what the walk reaches; a control Qt does not present as a
// control, or one left off a page, would pass it unseen.
TEST_F(Form1Accessibility, WalkReachesEveryShownControlAndNothingElse) {
    QSet<QString> expected;
    for (const ControlEntry& entry : content::form1Controls()) {
        if (isShownControl(entry))
            expected.insert(entry.name.toString());
    }
    QSet<QString> reached;
    for (const AccessibleControl& control : accessibleControls(m_form.get()))
        reached.insert(controlName(control.widget));
    EXPECT_EQ(sortedNames(reached - expected), std::vector<std::string>{});
    EXPECT_EQ(sortedNames(expected - reached), std::vector<std::string>{});
}

TEST_F(Form1Accessibility, WalkLeavesTheSelectedPageAsItWas) {
    auto* tabs = child<QTabWidget>(u"SSTab1"_s);
    tabs->setCurrentIndex(3);
    accessibleControls(m_form.get());
    EXPECT_EQ(tabs->currentIndex(), 3);
}

// Each kind of control reads with the role a screen reader announces for it; fixed labels
// are read by their caption, everything else by its name in the table.
struct KindCase {
    const char* label;
    ControlKind kind;
    QAccessible::Role role;
};
void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.label;
}

const QSet<QString> kColourPickers = {u"L92"_s, u"L93"_s, u"CommandT"_s, u"CommandM"_s,
                                      u"CommandSR"_s};

// Fixed labels are read by their caption; the tab bar, as Qt presents it, by the caption of
// the selected page.
QString expectedNameOf(const ControlEntry& entry) {
    if (entry.kind == ControlKind::Label)
        return entry.caption.toString();
    if (entry.kind == ControlKind::Tabs)
        return content::form1PageCaptions()[0].toString();
    return entry.accessibleName.toString();
}

class Form1ControlReading : public Form1Accessibility,
                            public ::testing::WithParamInterface<KindCase> {};

TEST_P(Form1ControlReading, ReadsWithTheRoleOfItsKind) {
    const std::vector<AccessibleControl> controls = accessibleControls(m_form.get());
    int checked = 0;
    for (const ControlEntry& entry : content::form1Controls()) {
        if (entry.kind != GetParam().kind || !isShownControl(entry))
            continue;
        const QString name = entry.name.toString();
        SCOPED_TRACE(name.toStdString());
        const auto control = findControl(controls, name);
        ASSERT_TRUE(control.has_value());
        const bool picker = kColourPickers.contains(name);
        EXPECT_EQ(control->role, picker ? QAccessible::Button : GetParam().role);
        const QString expectedName = expectedNameOf(entry);
        EXPECT_EQ(control->name, expectedName);
        EXPECT_EQ(control->caption, entry.kind == ControlKind::Label);
        // What a list has chosen or a display shows is read as the value.
        if (auto* combo = qobject_cast<QComboBox*>(control->widget)) {
            EXPECT_EQ(control->value, combo->currentText());
        }
        if (entry.kind == ControlKind::Display) {
            EXPECT_EQ(control->value, qobject_cast<QLabel*>(control->widget)->text());
        }
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Form1ControlReading,
    ::testing::Values(KindCase{"Tabs", ControlKind::Tabs, QAccessible::PageTabList},
                      KindCase{"Text", ControlKind::Text, QAccessible::EditableText},
                      KindCase{"MultiLine", ControlKind::MultiLineText, QAccessible::EditableText},
                      KindCase{"Check", ControlKind::Check, QAccessible::CheckBox},
                      KindCase{"Option", ControlKind::Option, QAccessible::RadioButton},
                      KindCase{"Combo", ControlKind::Combo, QAccessible::ComboBox},
                      KindCase{"Button", ControlKind::Button, QAccessible::Button},
                      KindCase{"Label", ControlKind::Label, QAccessible::StaticText},
                      KindCase{"Display", ControlKind::Display, QAccessible::StaticText},
                      KindCase{"Picture", ControlKind::Picture, QAccessible::Graphic},
                      KindCase{"BackSwatch", ControlKind::BackSwatch, QAccessible::StaticText},
                      KindCase{"ForeSwatch", ControlKind::ForeSwatch, QAccessible::Button}),
    [](const auto& info) { return std::string(info.param.label); });

// Names a person would say, written out again; the value, where given, is what a display
// or swatch shows.
struct SpokenCase {
    QString control;
    QString name;
    QString value;
};
void PrintTo(const SpokenCase& c, std::ostream* os) {
    *os << c.control.toStdString();
}

class Form1SpokenName : public Form1Accessibility,
                        public ::testing::WithParamInterface<SpokenCase> {};

TEST_P(Form1SpokenName, IsWhatAPersonWouldSay) {
    const auto control = findControl(accessibleControls(m_form.get()), GetParam().control);
    ASSERT_TRUE(control.has_value());
    EXPECT_EQ(control->name, GetParam().name);
    if (!GetParam().value.isNull()) {
        EXPECT_EQ(control->value, GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Form1SpokenName,
    ::testing::Values(SpokenCase{u"TextBoxタイトル"_s, u"タイトル"_s, {}},
                      SpokenCase{u"TextBox商品説明"_s, u"商品説明"_s, {}},
                      SpokenCase{u"TextBox銀行名1"_s, u"銀行名1"_s, {}},
                      SpokenCase{u"TextBox送料一律"_s, u"送料一律の金額"_s, {}},
                      SpokenCase{u"ComboBox表示幅"_s, u"表示幅"_s, {}},
                      SpokenCase{u"ComboTS1"_s, u"タイトル文字のスタイル"_s, {}},
                      SpokenCase{u"Label支払い方法"_s, u"支払い方法"_s, {}},
                      SpokenCase{u"Label送料1"_s, u"送料1"_s, {}},
                      SpokenCase{u"Label送料2"_s, u"送料2"_s, {}},
                      // A display is read with what it shows, not only with its name.
                      SpokenCase{u"Label12"_s, u"残り文字数"_s, u"あと30文字"_s},
                      SpokenCase{u"L12"_s, u"デフォルト メインカラー"_s, u"#FFCC33"_s},
                      SpokenCase{u"L92"_s, u"ユーザー設定 メインカラー"_s, u"#FFFFFF"_s},
                      SpokenCase{u"CommandT"_s, u"タイトル文字のカラー"_s, u"#000000"_s},
                      SpokenCase{u"OptionBooth1"_s, u"バナーで表示"_s, {}},
                      SpokenCase{u"OptionBooth3"_s, u"ユーザー設定で表示"_s, {}},
                      SpokenCase{u"Label4"_s, u"商品のサイズ"_s, {}}),
    [](const auto& info) { return std::to_string(info.index); });

// A swatch that opens the colour dialog is a button to a screen reader, and its press
// action does what a click does; a preset swatch offers nothing to press.
TEST_F(Form1Accessibility, ColourPickerSwatchesCanBePressed) {
    for (const QString& name : {u"L92"_s, u"CommandSR"_s}) {
        SCOPED_TRACE(name.toStdString());
        auto* swatch = child<ui::SwatchLabel>(name);
        ASSERT_NE(swatch, nullptr);
        // Only that a press arrives is checked here, not the colour dialog it leads to.
        QObject::disconnect(swatch, &ui::SwatchLabel::clicked, nullptr, nullptr);
        QSignalSpy clicks(swatch, &ui::SwatchLabel::clicked);
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(swatch)->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_EQ(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(clicks.count(), 1);
    }
    QAccessibleInterface* preset = QAccessible::queryAccessibleInterface(child<QLabel>(u"L12"_s));
    ASSERT_NE(preset->actionInterface(), nullptr);
    EXPECT_TRUE(preset->actionInterface()->actionNames().isEmpty());
}

} // namespace
