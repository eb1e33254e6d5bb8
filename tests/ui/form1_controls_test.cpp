// Every control of the window's table exists as the widget its kind stands for, with its
// caption, place, accessible name and visibility; and nothing exists beyond the table.
#include "content/form1_controls.h"
#include "form1_fixture.h"
#include "ui/widgets/swatch_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTabWidget>
#include <ostream>

using namespace Qt::Literals::StringLiterals;
using content::ControlEntry;
using content::ControlKind;

namespace content {
void PrintTo(const ControlEntry& entry, std::ostream* os) {
    *os << entry.name.toString().toStdString();
}
} // namespace content

namespace {

const char* widgetClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Tabs:
        return "QTabWidget";
    case ControlKind::Frame:
        return "QGroupBox";
    case ControlKind::Label:
    case ControlKind::Display:
    case ControlKind::Picture:
        return "QLabel";
    case ControlKind::Text:
        return "QLineEdit";
    case ControlKind::MultiLineText:
        return "QPlainTextEdit";
    case ControlKind::Check:
        return "QCheckBox";
    case ControlKind::Option:
        return "QRadioButton";
    case ControlKind::Combo:
        return "QComboBox";
    case ControlKind::BackSwatch:
    case ControlKind::ForeSwatch:
        return "ui::SwatchLabel";
    case ControlKind::Button:
        return "QPushButton";
    case ControlKind::Menu:
    case ControlKind::MenuItem:
    case ControlKind::Separator:
        break;
    }
    return "";
}

// The caption as the seller sees it before the start-up sequence fills anything in.
QString shownCaption(const QWidget* widget) {
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* text = qobject_cast<const QLineEdit*>(widget))
        return text->placeholderText();
    if (auto* combo = qobject_cast<const QComboBox*>(widget))
        return combo->placeholderText();
    return {};
}

int pageOf(const QWidget* widget, const QTabWidget* tabs) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        const int page = tabs->indexOf(const_cast<QWidget*>(w));
        if (page >= 0)
            return page;
    }
    return content::kNoPage;
}

QString frameOf(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<const QGroupBox*>(w))
            return w->objectName();
    }
    return {};
}

class Form1Control : public Form1Fixture, public ::testing::WithParamInterface<ControlEntry> {};

TEST_P(Form1Control, ExistsAsItsKindWithCaptionPlaceAndAccessibleName) {
    const ControlEntry& entry = GetParam();
    createForm();
    m_form->show();
    const QString name = entry.name.toString();
    if (entry.kind == ControlKind::Menu) {
        auto* menu = child<QMenu>(name);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->title(), entry.caption.toString());
        return;
    }
    if (entry.kind == ControlKind::MenuItem || entry.kind == ControlKind::Separator) {
        auto* action = child<QAction>(name);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->isSeparator(), entry.kind == ControlKind::Separator);
        if (!action->isSeparator()) {
            EXPECT_EQ(action->text(), entry.caption.toString());
        }
        ASSERT_NE(qobject_cast<QMenu*>(action->parent()), nullptr);
        EXPECT_EQ(action->parent()->objectName(), entry.frame.toString());
        return;
    }
    const QList<QWidget*> found = m_form->findChildren<QWidget*>(name);
    ASSERT_EQ(found.size(), 1) << "object names must be unique";
    QWidget* widget = found.front();
    EXPECT_TRUE(widget->inherits(widgetClassOf(entry.kind))) << widget->metaObject()->className();
    EXPECT_EQ(widget->accessibleName(), entry.accessibleName.toString());
    EXPECT_EQ(widget->isHidden(), entry.hidden);
    EXPECT_EQ(widget->isVisible(),
              !entry.hidden && pageOf(widget, child<QTabWidget>(u"SSTab1"_s)) <= 0);
    EXPECT_EQ(pageOf(widget, child<QTabWidget>(u"SSTab1"_s)), entry.page);
    EXPECT_EQ(frameOf(widget), entry.frame.toString());
    // These show what the start-up sequence (restored ticks included) and the first showing
    // (held selections applied) wrote over their design texts.
    const bool filledAtStart = name == u"Label12"_s || name == u"Combo都道府県"_s ||
                               name == u"Label支払い方法"_s || name == u"Label送料1"_s ||
                               name == u"Label15"_s;
    if (!filledAtStart) {
        EXPECT_EQ(shownCaption(widget), entry.caption.toString());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Form1Control, ::testing::ValuesIn(content::form1Controls()),
                         [](const auto& info) { return std::to_string(info.index); });

class Form1Table : public Form1Fixture {};

// Widgets made outside the table would have no caption or accessible name from it.
TEST_F(Form1Table, HoldsNoControlBeyondTheTable) {
    createForm();
    const auto countOf = [](ControlKind kind) {
        int count = 0;
        for (const ControlEntry& entry : content::form1Controls())
            count += entry.kind == kind;
        return count;
    };
    EXPECT_EQ(m_form->findChildren<QCheckBox*>().size(), countOf(ControlKind::Check));
    EXPECT_EQ(m_form->findChildren<QRadioButton*>().size(), countOf(ControlKind::Option));
    EXPECT_EQ(m_form->findChildren<QComboBox*>().size(), countOf(ControlKind::Combo));
    EXPECT_EQ(m_form->findChildren<QLineEdit*>().size(), countOf(ControlKind::Text));
    EXPECT_EQ(m_form->findChildren<QPlainTextEdit*>().size(), countOf(ControlKind::MultiLineText));
    EXPECT_EQ(m_form->findChildren<QPushButton*>().size(), countOf(ControlKind::Button));
    EXPECT_EQ(m_form->findChildren<QGroupBox*>().size(), countOf(ControlKind::Frame));
    EXPECT_EQ(m_form->findChildren<ui::SwatchLabel*>().size(),
              countOf(ControlKind::BackSwatch) + countOf(ControlKind::ForeSwatch));
    EXPECT_EQ(m_form->findChildren<QLabel*>().size(),
              countOf(ControlKind::Label) + countOf(ControlKind::Display) +
                  countOf(ControlKind::Picture) + countOf(ControlKind::BackSwatch) +
                  countOf(ControlKind::ForeSwatch));
}

TEST_F(Form1Table, GivesEveryControlButFixedLabelsItsOwnAccessibleName) {
    QSet<QString> seen;
    for (const ControlEntry& entry : content::form1Controls()) {
        if (entry.kind == ControlKind::Label) {
            // A name of its own would be read instead of the caption the seller sees.
            EXPECT_TRUE(entry.accessibleName.isEmpty()) << entry.name.toString().toStdString();
            continue;
        }
        EXPECT_FALSE(entry.accessibleName.isEmpty()) << entry.name.toString().toStdString();
        EXPECT_FALSE(seen.contains(entry.accessibleName.toString()))
            << "twice: " << entry.accessibleName.toString().toStdString();
        seen.insert(entry.accessibleName.toString());
    }
}

TEST_F(Form1Table, HasItsTitleAndFivePages) {
    createForm();
    EXPECT_EQ(m_form->windowTitle(), u"Tomoe!オークション "_s);
    auto* tabs = child<QTabWidget>(u"SSTab1"_s);
    ASSERT_NE(tabs, nullptr);
    const QStringList expected = {u"商品情報"_s, u"支払詳細"_s, u"発送詳細"_s,
                                  u"基本情報＆注意事項"_s, u"書式設定"_s};
    QStringList captions;
    for (int page = 0; page < tabs->count(); ++page)
        captions << tabs->tabText(page);
    EXPECT_EQ(captions, expected);
}

// Captions that are easy to get wrong, written out again from the window's description:
// a double quotation mark, trailing and doubled blanks, half-width katakana, and markup
// that must stay text.
struct CaptionCase {
    QString name;
    QString caption;
};
void PrintTo(const CaptionCase& c, std::ostream* os) {
    *os << c.name.toStdString();
}

class Form1Caption : public Form1Fixture, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(Form1Caption, IsShownCharacterForCharacter) {
    createForm();
    auto* widget = m_form->findChild<QObject*>(GetParam().name);
    ASSERT_NE(widget, nullptr);
    if (auto* action = qobject_cast<QAction*>(widget)) {
        EXPECT_EQ(action->text(), GetParam().caption);
    } else {
        EXPECT_EQ(shownCaption(qobject_cast<QWidget*>(widget)), GetParam().caption);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tricky, Form1Caption,
    ::testing::Values(
        CaptionCase{u"Label1"_s, u"■　タイトル　　 　「　\"　」は使用できません"_s},
        CaptionCase{u"Frame10"_s, u"■　発送の説明文　　HTMLタグ入力可能  "_s},
        CaptionCase{u"Frame11"_s, u"■　注意事項（マイルール）　　HTMLタグ入力可能 "_s},
        CaptionCase{u"CheckBoxその他"_s, u"その他   (切手、商品券など)"_s},
        CaptionCase{u"mnuVersion"_s, u"ﾊﾞｰｼﾞｮﾝ情報(&A)"_s},
        CaptionCase{
            u"Label24"_s,
            u"ユーザー設定　　　（設定できる方は下記に入力<a href=.....>..........</a> ）"_s},
        CaptionCase{u"CommandT"_s, u"■■色■■"_s}));

} // namespace
