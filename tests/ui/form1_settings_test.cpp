// The seller's standing choices: restored into a new window, put back at every activation,
// following the seller's own changes, picked colours, and saved when the window closes.
#include "content/form1_controls.h"
#include "form1_fixture.h"
#include "profile/profiles.h"
#include "scripted_dialogs.h"
#include "ui/widgets/swatch_label.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <ostream>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

class Form1Settings : public Form1Fixture {
public:
    // The cases below reach the window through these.
    using Form1Fixture::child;
    using Form1Fixture::m_form;

    void openWindow() {
        m_form = std::make_unique<ui::Form1>(
            ui::Form1Services{m_folder.path(), &m_prompter, &m_dialogs, &m_clock});
        showActive();
    }
    void closeAndReopen() {
        m_form->close();
        m_form.reset();
        openWindow();
    }
    void store(const QString& file, const QString& section, const QString& key,
               const QString& value) const {
        const profile::Profiles profiles(m_folder.path());
        if (file == u"auction"_s)
            profiles.WriteAuctionIni(section, key, value);
        else if (file == u"setting"_s)
            profiles.WriteSettingIni(section, key, value);
        else
            profiles.WriteBasicIni(section, key, value);
    }
    // Whether ini/<file>.ini holds `line` within [section], as CP932 with CR LF.
    bool stores(const QString& file, const QString& section, const QString& line) const {
        const QByteArray bytes = m_folder.readBytes(u"ini/"_s + file + u".ini"_s);
        const qsizetype start = bytes.indexOf(cp932Lines({u'[' + section + u']'}));
        if (start < 0)
            return false;
        const qsizetype end = bytes.indexOf("\r\n[", start);
        return bytes.mid(start, end < 0 ? -1 : end + 2 - start).contains("\n" + cp932Lines({line}));
    }
    // The seller sees a control's page before using it.
    template <typename Widget> Widget* shown(const QString& name) {
        auto* widget = child<Widget>(name);
        auto* tabs = child<QTabWidget>(u"SSTab1"_s);
        for (int page = 0; page < tabs->count(); ++page) {
            if (tabs->widget(page)->isAncestorOf(widget))
                tabs->setCurrentIndex(page);
        }
        return widget;
    }
    void clickBox(const QString& name) {
        auto* box = shown<QCheckBox>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    }
    void choose(const QString& name, int position) {
        auto* combo = shown<QComboBox>(name);
        combo->setCurrentIndex(position);
        emit combo->activated(position);
    }
    void clickSwatch(const QString& name) {
        QTest::mouseClick(shown<ui::SwatchLabel>(name), Qt::LeftButton);
    }
    platform::ColourValue colourOf(const QString& name) const {
        return child<ui::SwatchLabel>(name)->colour();
    }
    QString text(const QString& name) const { return child<QLabel>(name)->text(); }

protected:
    ScriptedDialogs m_dialogs;
};

TEST_F(Form1Settings, FirstRunShowsTheFirstRunChoices) {
    openWindow();
    const QStringList ticked = {u"CheckBoxかんたん決済"_s, u"Check発送説明"_s,
                                u"CheckBoxゆうパック"_s, u"CheckBoxクロネコ宅急便"_s};
    for (const QCheckBox* box : m_form->findChildren<QCheckBox*>())
        EXPECT_EQ(box->isChecked(), ticked.contains(box->objectName()))
            << box->objectName().toStdString();
    EXPECT_TRUE(child<QRadioButton>(u"OptionButton1"_s)->isChecked());
    EXPECT_TRUE(child<QRadioButton>(u"OptionBooth1"_s)->isChecked());
    EXPECT_EQ(child<QComboBox>(u"Combo都道府県"_s)->currentIndex(), -1);
    EXPECT_EQ(text(u"Label支払い方法"_s), u"・Yahoo!かんたん決済　\r\n"_s);
    EXPECT_EQ(text(u"Label15"_s), u"テンプレート：temp1.tmpl"_s);
    EXPECT_EQ(child<QPlainTextEdit>(u"Text支払説明"_s)->toPlainText(),
              defaultPaymentExplanationLines().join(u'\n') + u'\n');
    EXPECT_EQ(child<QComboBox>(u"ComboTS1"_s)->currentText(), u"太字"_s);
    EXPECT_EQ(child<QComboBox>(u"ComboTS2"_s)->currentText(), u"大"_s);
    EXPECT_EQ(child<QComboBox>(u"ComboBox表示幅"_s)->currentText(), u"640"_s);
    EXPECT_TRUE(m_prompter.texts.isEmpty()) << m_prompter.texts.join(u'|').toStdString();
}

// Every value the window shows, as "name=value", for comparing two windows.
std::string shownValues(const QWidget& window) {
    QStringList values;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        QString value;
        if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && b->isCheckable())
            value = QString::number(b->isChecked());
        else if (const auto* combo = qobject_cast<const QComboBox*>(w))
            value = QString::number(combo->currentIndex());
        else if (const auto* line = qobject_cast<const QLineEdit*>(w))
            value = line->text();
        else if (const auto* text = qobject_cast<const QPlainTextEdit*>(w))
            value = text->toPlainText();
        else if (const auto* swatch = qobject_cast<const ui::SwatchLabel*>(w))
            value = QString::number(swatch->colour());
        else if (const auto* label = qobject_cast<const QLabel*>(w))
            value = label->text();
        if (!w->objectName().isEmpty() && !value.isNull())
            values << w->objectName() + u'=' + value;
    }
    // One line each, in a fixed order, so a failure shows the lines that differ.
    values.sort();
    return values.join(u'\n').toStdString();
}

// Opening a saved listing puts all of its values in with applyRecord(); putting back what
// record() read must then leave every control as it was.
TEST_F(Form1Settings, ApplyingWhatTheWindowReadsChangesNoControl) {
    openWindow();
    const core::ListingRecord firstRun = m_form->record();
    core::ListingRecord changed = firstRun;
    int n = 0;
    for (const content::ControlEntry& entry : content::form1Controls()) {
        using content::ControlKind;
        using R = core::ListingRecord;
        if (entry.kind == ControlKind::Check) {
            const auto box = std::get<core::CheckValue R::*>(entry.field);
            changed.*box = firstRun.*box == 1 ? 0 : 1;
        } else if (entry.kind == ControlKind::Text && entry.field.index() != 0) {
            changed.*std::get<QString R::*>(entry.field) = u"値%1"_s.arg(n++);
        } else if (entry.kind == ControlKind::MultiLineText) {
            changed.*std::get<QString R::*>(entry.field) = u"一行目%1\r\n二行目"_s.arg(n++);
        } else if (entry.kind == ControlKind::Display && entry.field.index() != 0) {
            changed.*std::get<QString R::*>(entry.field) = u"表示%1"_s.arg(n++);
        } else if (const auto* colour = std::get_if<platform::ColourValue R::*>(&entry.field)) {
            changed.** colour = platform::ColourValue(0x102030 + n++);
        } else if (const auto* list = std::get_if<core::ComboValue R::*>(&entry.field)) {
            (changed.**list).position = (firstRun.**list).position == 1 ? 0 : 1;
        }
    }
    changed.CheckBoxクロネコメール便 = 1;
    changed.colourPreset = 7;
    changed.OptionBooth1 = false;
    changed.OptionBooth3 = true;

    m_form->applyRecord(changed);
    const core::ListingRecord applied = m_form->record();
    core::ListingRecord expected = changed;
    for (const content::ControlEntry& entry : content::form1Controls()) {
        if (const auto* list = std::get_if<core::ComboValue core::ListingRecord::*>(&entry.field)) {
            // The list gives the text of the chosen item.
            EXPECT_NE(applied.**list, firstRun.**list);
            expected.** list = applied.**list;
        }
    }
    EXPECT_EQ(applied, expected);
    EXPECT_TRUE(child<QCheckBox>(u"CheckBoxクロネコメール便_1"_s)->isChecked());

    const std::string before = shownValues(*m_form);
    m_form->applyRecord(applied);
    EXPECT_EQ(shownValues(*m_form), before);
    EXPECT_EQ(m_form->record(), applied);
}

struct StoredLine {
    QString file;
    QString section;
    QString line;
};

// Every saved control changed as the seller would: each check box clicked, each list moved
// to another end, each standing text typed, a scheme, a booth option and five colours.
// Without a window manager (or with focus kept elsewhere) the window is shown but never
// made active: the first showing must still apply the held selections.
TEST_F(Form1Settings, FirstShowingAppliesTheHeldSelectionsWithoutActivation) {
    m_form = std::make_unique<ui::Form1>(
        ui::Form1Services{m_folder.path(), &m_prompter, &m_dialogs, &m_clock});
    m_form->setAttribute(Qt::WA_ShowWithoutActivating);
    m_form->show();
    EXPECT_EQ(child<QComboBox>(u"ComboBox商品サイズ"_s)->currentText(), u"60cmサイズ"_s);
    EXPECT_EQ(child<QComboBox>(u"ComboBox商品重さ"_s)->currentText(), u"25g"_s);
    EXPECT_EQ(child<QComboBox>(u"ComboTS2"_s)->currentText(), u"大"_s);
    EXPECT_EQ(child<QLabel>(u"Label送料1"_s)->text(),
              u"・ゆうパック60サイズ　\r\n・クロネコ宅急便60サイズ　\r\n"_s);
}

TEST_F(Form1Settings, EveryChangeIsBackInANewWindowAndInTheFiles) {
    store(u"setting"_s, u"template"_s, u"name"_s, u"temp2.tmpl"_s);
    openWindow();
    for (const QCheckBox* box : m_form->findChildren<QCheckBox*>()) {
        // The mail-bin pair is one choice: clicking one box ticks both.
        if (box->objectName() != u"CheckBoxクロネコメール便_0"_s)
            clickBox(box->objectName());
    }
    for (QLineEdit* line : m_form->findChildren<QLineEdit*>()) {
        const QString name = line->objectName();
        if (name != u"TextBoxタイトル"_s && name != u"TextBoxJAN"_s)
            line->setText(name.mid(name.startsWith(u"TextBox"_s) ? 7 : 4));
    }
    for (const QComboBox* combo : m_form->findChildren<QComboBox*>()) {
        const int last = combo->count() - 1;
        choose(combo->objectName(), combo->currentIndex() == last ? 0 : last);
    }
    shown<QRadioButton>(u"OptionButton7"_s)->click();
    shown<QRadioButton>(u"OptionBooth3"_s)->click();
    const std::pair<QString, platform::ColourValue> colours[] = {{u"L92"_s, 0x123456},
                                                                 {u"L93"_s, 0xC0FFEE},
                                                                 {u"CommandT"_s, 255},
                                                                 {u"CommandM"_s, 0xFF00},
                                                                 {u"CommandSR"_s, 0xFF0000}};
    for (const auto& [swatch, colour] : colours) {
        m_dialogs.colours = {colour};
        clickSwatch(swatch);
    }
    // Typing recomposes nothing; an activation shows the summaries of every change.
    leaveAndComeBack();
    const std::string before = shownValues(*m_form);
    closeAndReopen();
    EXPECT_EQ(shownValues(*m_form), before);
    EXPECT_EQ(text(u"Label15"_s), u"テンプレート：temp2.tmpl"_s);

    const QString a = u"auction"_s, s = u"setting"_s, b = u"basic"_s;
    const QString pay = u"Section支払い"_s, ship = u"Section発送"_s;
    const StoredLine lines[] = {
        {a, u"Section商品"_s, u"商品サイズ=9"_s},
        {a, u"Section商品"_s, u"商品重さ=14"_s},
        {a, pay, u"setumeionoff=1"_s},
        {a, pay, u"ktnonoff=0"_s},
        {a, pay, u"bk2name=銀行名2"_s},
        {a, pay, u"snttext=その他"_s},
        {a, ship, u"setumeionoff=0"_s},
        {a, ship, u"メール便onoff=1"_s},
        {a, ship, u"メール便default=7"_s},
        {a, ship, u"はこBOONonoff=1"_s},
        {a, ship, u"送料一律text=送料一律"_s},
        {a, u"Section基本注意"_s, u"setumeionoff=1"_s},
        {b, u"haso"_s, u"tiiki=47"_s},
        {b, u"yahoo"_s, u"id=yahooid"_s},
        {b, u"yahoo"_s, u"boothdisp=2"_s},
        {b, u"yahoo"_s, u"boothselect=3"_s},
        {s, u"color"_s, u"main=7"_s},
        {s, u"color"_s, u"userM=1193046"_s},
        {s, u"template"_s, u"name=temp2.tmpl"_s},
        {s, u"disp"_s, u"width=4"_s},
        {s, u"font"_s, u"ttlstyle=0"_s},
        {s, u"font"_s, u"ttlclr=255"_s},
        {s, u"font"_s, u"srsize=1"_s},
        {s, u"font"_s, u"srclr=16711680"_s},
    };
    for (const StoredLine& l : lines)
        EXPECT_TRUE(stores(l.file, l.section, l.line)) << l.line.toStdString();
    EXPECT_TRUE(m_prompter.texts.isEmpty()) << m_prompter.texts.join(u'|').toStdString();
}

// A hand-edited or missing file: what the seller is told, and what still works.
struct BadStoreCase {
    std::string name;
    std::function<void(Form1Settings&)> spoil;
    QStringList messages;
    std::function<void(Form1Settings&)> check;
};
void PrintTo(const BadStoreCase& c, std::ostream* os) {
    *os << c.name;
}

class Form1BadStore : public Form1Settings, public ::testing::WithParamInterface<BadStoreCase> {};

TEST_P(Form1BadStore, TellsOnceAndGoesOn) {
    const BadStoreCase& c = GetParam();
    c.spoil(*this);
    openWindow();
    leaveAndComeBack();
    EXPECT_EQ(m_prompter.texts, c.messages);
    // Restored after any failure: the last flags of the restore.
    EXPECT_TRUE(child<QCheckBox>(u"CheckBoxかんたん決済"_s)->isChecked());
    EXPECT_FALSE(child<QCheckBox>(u"Check注意事項"_s)->isChecked());
    EXPECT_EQ(child<QPlainTextEdit>(u"Text注意事項"_s)->toPlainText(),
              defaultNotesLines().join(u'\n') + u'\n');
    c.check(*this);
}

INSTANTIATE_TEST_SUITE_P(
    Files, Form1BadStore,
    ::testing::Values(
        BadStoreCase{"WeightNotANumber",
                     [](Form1Settings& f) {
                         f.store(u"auction"_s, u"Section商品"_s, u"商品重さ"_s, u"abc"_s);
                     },
                     {u"型が一致しません。 (GI 13)"_s},
                     [](Form1Settings& f) {
                         // The weight falls back to the first choice; the rest is applied.
                         EXPECT_EQ(f.child<QComboBox>(u"ComboBox商品重さ"_s)->currentIndex(), 0);
                         EXPECT_EQ(f.child<QComboBox>(u"ComboSR2"_s)->currentIndex(), 0);
                         EXPECT_EQ(f.text(u"Label15"_s), u"テンプレート：temp1.tmpl"_s);
                     }},
        BadStoreCase{"WidthPastTheEnd",
                     [](Form1Settings& f) { f.store(u"setting"_s, u"disp"_s, u"width"_s, u"5"_s); },
                     {u"プロパティの値が不正です。 (FA 380)"_s},
                     [](Form1Settings& f) {
                         // Everything but the width is applied, so nothing else is lost
                         // at exit.
                         EXPECT_EQ(f.text(u"Label支払い方法"_s), u"・Yahoo!かんたん決済　\r\n"_s);
                         EXPECT_TRUE(f.child<QRadioButton>(u"OptionBooth1"_s)->isChecked());
                         EXPECT_EQ(f.child<QComboBox>(u"ComboBox表示幅"_s)->currentIndex(), -1);
                         EXPECT_EQ(f.text(u"Label15"_s), u"テンプレート：temp1.tmpl"_s);
                         EXPECT_EQ(f.child<QComboBox>(u"ComboTS1"_s)->currentIndex(), 1);
                     }},
        BadStoreCase{
            "PresetTen",
            [](Form1Settings& f) { f.store(u"setting"_s, u"color"_s, u"main"_s, u"10"_s); },
            {},
            [](Form1Settings& f) {
                for (int n = 0; n <= 9; ++n)
                    EXPECT_FALSE(f.child<QRadioButton>(u"OptionButton%1"_s.arg(n))->isChecked());
            }},
        BadStoreCase{
            "BoothSelectZero",
            [](Form1Settings& f) { f.store(u"basic"_s, u"yahoo"_s, u"boothselect"_s, u"0"_s); },
            {},
            [](Form1Settings& f) {
                EXPECT_TRUE(f.child<QRadioButton>(u"OptionBooth1"_s)->isChecked());
            }},
        BadStoreCase{"MissingPaymentExplanation",
                     [](Form1Settings& f) {
                         f.removeTextFile(u"支払い説明.txt"_s);
                         f.store(u"auction"_s, u"Section支払い"_s, u"ychonoff"_s, u"1"_s);
                     },
                     {u"ファイルが見つかりません。 (Insert 53)"_s},
                     [](Form1Settings& f) {
                         EXPECT_EQ(f.child<QPlainTextEdit>(u"Text支払説明"_s)->toPlainText(),
                                   QString());
                         EXPECT_TRUE(f.child<QCheckBox>(u"CheckBoxゆうちょ銀行"_s)->isChecked());
                     }}),
    [](const auto& info) { return info.param.name; });

// The five colour labels all go through the colour dialog.
struct SwatchCase {
    QString control;
    QString section;
    QString key;
    platform::ColourValue firstRun;
};
void PrintTo(const SwatchCase& c, std::ostream* os) {
    *os << c.control.toStdString();
}

class Form1PickColour : public Form1Settings, public ::testing::WithParamInterface<SwatchCase> {};

TEST_P(Form1PickColour, CancelKeepsTheColourAndAChoiceIsSaved) {
    const SwatchCase& c = GetParam();
    openWindow();
    auto* swatch = child<ui::SwatchLabel>(c.control);
    m_dialogs.colours = {std::nullopt, platform::colourFromRgb(255, 0, 0)};
    clickSwatch(c.control);
    EXPECT_EQ(swatch->colour(), c.firstRun);
    clickSwatch(c.control);
    EXPECT_EQ(swatch->colour(), 255u);
    // Each dialog starts with the colour the label has.
    EXPECT_EQ(m_dialogs.colourStarts, (QList<platform::ColourValue>{c.firstRun, c.firstRun}));
    leaveAndComeBack();
    EXPECT_EQ(swatch->colour(), 255u);
    m_form->close();
    EXPECT_TRUE(stores(u"setting"_s, c.section, c.key + u"=255"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Swatches, Form1PickColour,
    ::testing::Values(SwatchCase{u"L92"_s, u"color"_s, u"userM"_s, platform::kWhite},
                      SwatchCase{u"L93"_s, u"color"_s, u"userS"_s, platform::kWhite},
                      SwatchCase{u"CommandT"_s, u"font"_s, u"ttlclr"_s, platform::kBlack},
                      SwatchCase{u"CommandM"_s, u"font"_s, u"mdsclr"_s, platform::kBlack},
                      SwatchCase{u"CommandSR"_s, u"font"_s, u"srclr"_s, platform::kBlack}));

// Closing a dialog of the program runs the activation again: the seller's changes stay, and
// so does what the seller copied meanwhile.
TEST_F(Form1Settings, ClosingADialogKeepsTheSellersChanges) {
    openWindow();
    choose(u"ComboTS1"_s, 0);
    choose(u"ComboBox商品サイズ"_s, 5);
    m_dialogs.colours = {platform::colourFromRgb(0, 128, 255)};
    clickSwatch(u"L92"_s);
    const SellersClipboard copied(u"他のアプリの文字"_s);
    {
        QDialog dialog(m_form.get());
        QTimer::singleShot(0, &dialog, [&dialog] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            dialog.accept();
        });
        dialog.exec();
    }
    // Without a window manager nothing hands the activation back when the dialog closes.
    m_form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_form->isActiveWindow(); }));
    EXPECT_TRUE(copied.untouched());
    EXPECT_EQ(child<QComboBox>(u"ComboTS1"_s)->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>(u"ComboBox商品サイズ"_s)->currentIndex(), 5);
    EXPECT_EQ(colourOf(u"L92"_s), platform::colourFromRgb(0, 128, 255));
}

// An emoji pasted into a field once made the closing save stop there: every choice saved
// after it was lost without a word.
TEST_F(Form1Settings, ACharacterTheFilesCannotHoldLosesNoOtherChoice) {
    openWindow();
    child<QLineEdit>(u"TextBoxゆうちょ記号"_s)->setText(u"12😀3"_s); // among the first saved
    clickBox(u"CheckBox最安値"_s);
    choose(u"ComboBox表示幅"_s, 1); // in another file
    shown<QLineEdit>(u"TextBoothUser"_s)->setText(u"<b>x</b>"_s);
    closeAndReopen();
    EXPECT_EQ(m_prompter.texts,
              QStringList{u"「ゆうちょ銀行の記号」には保存できない文字があったため、"
                          u"「?」に置き換えて保存しました。"_s});
    EXPECT_EQ(child<QLineEdit>(u"TextBoxゆうちょ記号"_s)->text(), u"12?3"_s);
    EXPECT_TRUE(child<QCheckBox>(u"CheckBox最安値"_s)->isChecked());
    EXPECT_EQ(child<QComboBox>(u"ComboBox表示幅"_s)->currentIndex(), 1);
    EXPECT_EQ(child<QLineEdit>(u"TextBoothUser"_s)->text(), u"<b>x</b>"_s);
}

// Message boxes that really take the activation away, and give it back when closed as a
// window manager would.
struct ModalPrompter : platform::Prompter {
    QWidget* owner = nullptr;
    QStringList texts;
    bool showing = false;
    void inform(const QString& text) override {
        texts << text;
        // A few at most: a message that brings itself back must not hang the test.
        if (texts.size() > 3)
            return;
        QDialog box(owner);
        QTimer::singleShot(0, &box, &QDialog::accept);
        showing = true;
        box.exec();
        showing = false;
        owner->activateWindow();
    }
    bool ask(const QString& text) override {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
};

TEST_F(Form1Settings, AnApplyFailureIsNotRepeatedByItsOwnMessageBox) {
    store(u"setting"_s, u"font"_s, u"srsize"_s, u"7"_s);
    ModalPrompter prompter;
    m_form = std::make_unique<ui::Form1>(
        ui::Form1Services{m_folder.path(), &prompter, &m_dialogs, &m_clock});
    prompter.owner = m_form.get();
    m_form->show();
    m_form->activateWindow();
    // Back in the window after the message, with any activation it brought handled.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return !prompter.texts.isEmpty() && !prompter.showing && m_form->isActiveWindow();
    }));
    EXPECT_EQ(prompter.texts, QStringList{u"プロパティの値が不正です。 (FA 380)"_s});
}

// The three ways out: the end button, the end entry of the menu and the close box.
struct ExitCase {
    std::string name;
    std::function<void(Form1Settings&)> leave;
};
void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class Form1Exit : public Form1Settings, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(Form1Exit, SavesOnceAndClosesEvenWhenTheSaveFails) {
    openWindow();
    clickBox(u"CheckBoxかんたん決済"_s);
    // A folder where the last file should be: replacing that file must fail.
    ASSERT_TRUE(QFile::remove(m_folder.path(u"ini/setting.ini"_s)));
    ASSERT_TRUE(QDir().mkpath(m_folder.path(u"ini/setting.ini"_s)));
    GetParam().leave(*this);
    EXPECT_FALSE(m_form->isVisible());
    ASSERT_EQ(m_prompter.texts.size(), 1) << m_prompter.texts.join(u'|').toStdString();
    EXPECT_TRUE(m_prompter.texts[0].endsWith(u")"_s) && m_prompter.texts[0].contains(u" (SI "_s))
        << m_prompter.texts[0].toStdString();
    EXPECT_TRUE(stores(u"auction"_s, u"Section支払い"_s, u"ktnonoff=0"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Form1Exit,
    ::testing::Values(
        ExitCase{"ButtonEnd",
                 [](Form1Settings& f) {
                     QTest::mouseClick(f.child<QPushButton>(u"ButtonEnd"_s), Qt::LeftButton);
                 }},
        ExitCase{"mnuEnd", [](Form1Settings& f) { f.child<QAction>(u"mnuEnd"_s)->trigger(); }},
        ExitCase{"CloseBox", [](Form1Settings& f) { f.m_form->windowHandle()->close(); }}),
    [](const auto& info) { return info.param.name; });

} // namespace
