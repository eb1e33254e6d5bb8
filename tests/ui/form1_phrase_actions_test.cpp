// The phrase buttons, the editor they start and the guard it puts on the window, the editor
// settings entry, the title and description aids, and what assistive technology reads.
#include "form1_fixture.h"
#include "profile/profiles.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <ostream>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kRunning = u"エディタ起動中です。先に終了してください。"_s;

class Form1Phrases : public Form1Fixture {
protected:
    void click(const QString& button) {
        auto* widget = child<QPushButton>(button);
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    QString boxText(const QString& name) const {
        return child<QPlainTextEdit>(name)->toPlainText();
    }
    QString label(const QString& name) const { return child<QLabel>(name)->text(); }

    // The seller's own editor: a script that waits for the test's go-ahead (a file beside it,
    // at most 20 s so a broken test cannot hang) and then rewrites the file it was given.
    void useScriptAsEditor(const char* write = "printf 'rewritten\\r\\n' > \"$1\"\n") {
        const QString script = m_folder.path(u"editor.sh"_s);
        m_folder.writeBytes(u"editor.sh"_s,
                            QByteArray("#!/bin/sh\n"
                                       "i=0\n"
                                       "while [ ! -e \"$(dirname \"$0\")/go\" ] && "
                                       "[ $i -lt 400 ]; do sleep 0.05; i=$((i+1)); done\n") +
                                QByteArray(write));
        QFile::setPermissions(script, QFile::permissions(script) | QFile::ExeOwner);
        const profile::Profiles profiles(m_folder.path());
        profiles.WriteAuctionIni(u"Section設定"_s, u"editor"_s, u"1"_s);
        profiles.WriteAuctionIni(u"Section設定"_s, u"myeditor"_s, script);
    }
    void letEditorEnd() const { m_folder.writeBytes(u"go"_s, {}); }
};

TEST_F(Form1Phrases, EditorKeepsTheWindowGuardedUntilItEndsThenTheBoxIsReloaded) {
    useScriptAsEditor();
    createForm();
    showActive();
    const QString before = boxText(u"Text支払説明"_s);
    ASSERT_NE(before, u"rewritten\n"_s);

    bool checkedDuringRun = false;
    QTimer::singleShot(0, m_form.get(), [&] {
        checkedDuringRun = true;
        // Without the guard the second button would start another editor on its own file.
        EXPECT_EQ(boxText(u"Text支払説明"_s), before);
        click(u"CommandButton15"_s);
        click(u"ButtonEnd"_s);
        EXPECT_TRUE(m_form->isVisible());
        EXPECT_EQ(m_prompter.texts, (QStringList{kRunning, kRunning}));
        EXPECT_NE(boxText(u"Text発送注意事項"_s), u"rewritten\n"_s);
        letEditorEnd();
    });
    click(u"CommandButton9"_s); // returns once the editor has ended
    EXPECT_TRUE(checkedDuringRun);
    EXPECT_EQ(boxText(u"Text支払説明"_s), u"rewritten\n"_s);

    // Afterwards both work: the go-ahead is still there, so this editor ends at once.
    click(u"CommandButton15"_s);
    EXPECT_EQ(boxText(u"Text発送注意事項"_s), u"rewritten\n"_s);
    EXPECT_EQ(m_prompter.texts.size(), 2);
    click(u"ButtonEnd"_s);
    EXPECT_FALSE(m_form->isVisible());
}

// Each explanation button edits its own file and fills its own box, no other.
class ExplanationButton : public Form1Phrases, public ::testing::WithParamInterface<int> {};

TEST_P(ExplanationButton, EditsItsOwnFileIntoItsOwnBox) {
    const QStringList buttons = {u"CommandButton9"_s, u"CommandButton15"_s, u"CommandButton18"_s};
    const QStringList files = {u"支払い説明.txt"_s, u"発送説明.txt"_s, u"注意事項.txt"_s};
    const QStringList boxes = {u"Text支払説明"_s, u"Text発送注意事項"_s, u"Text注意事項"_s};
    for (qsizetype i = 0; i < files.size(); ++i)
        writeTextFile(files[i], {files[i]});
    useScriptAsEditor("printf 'edited\\r\\n' >> \"$1\"\n");
    letEditorEnd();
    createForm();
    const int own = GetParam();
    click(buttons[own]);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxText(boxes[i]), files[i] + (i == own ? u"\nedited\n"_s : u"\n"_s))
            << boxes[i].toStdString();
    }
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ExplanationButton, ::testing::Values(0, 1, 2));

struct InsertCase {
    const char* name;
    QString description;
    int selectionStart;
    int selectionEnd;
    QStringList phraseLines;
    QString expected;
    int caretAfter;
};
void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

class StockPhraseInsertion : public Form1Phrases,
                             public ::testing::WithParamInterface<InsertCase> {};

TEST_P(StockPhraseInsertion, GoesInAtTheCaretWithoutTouchingTheClipboard) {
    const InsertCase& c = GetParam();
    writeTextFile(u"定型文.txt"_s, c.phraseLines); // no lines: an empty file
    createForm();
    showActive();
    const SellersClipboard copied(u"売り手のコピー"_s);
    auto* box = child<QPlainTextEdit>(u"TextBox商品説明"_s);
    box->setPlainText(c.description);
    QTextCursor cursor = box->textCursor();
    cursor.setPosition(c.selectionStart);
    cursor.setPosition(c.selectionEnd, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);

    click(u"Command定型文を挿入"_s);

    EXPECT_EQ(box->toPlainText(), c.expected);
    EXPECT_EQ(box->textCursor().position(), c.caretAfter);
    // Putting the seller's text back after a paste would still be a write.
    EXPECT_TRUE(copied.untouched());
    // Only the empty file is reported, as a failure to read it.
    EXPECT_EQ(m_prompter.texts.join(u'|').contains(u" (Insert "_s), c.phraseLines.isEmpty());
    // One step for the seller to take back.
    box->undo();
    EXPECT_EQ(box->toPlainText(), c.description);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StockPhraseInsertion,
    ::testing::Values(
        // Exactly the file's text, its CR LF as the box's line breaks.
        InsertCase{"IntoEmpty",
                   u""_s,
                   0,
                   0,
                   {u"送料無料です。"_s, u"<b>即決</b>"_s},
                   u"送料無料です。\n<b>即決</b>\n"_s,
                   18},
        InsertCase{"CaretInTheMiddle", u"前半後半"_s, 2, 2, {u"挿入"_s}, u"前半挿入\n後半"_s, 5},
        // A selection stays; the phrase goes in at its start, whichever way it was made.
        InsertCase{"SelectionKept", u"abcdef"_s, 2, 4, {u"P"_s}, u"abP\ncdef"_s, 4},
        InsertCase{"BackwardSelection", u"abcdef"_s, 4, 2, {u"P"_s}, u"abP\ncdef"_s, 4},
        InsertCase{"EmptyPhraseFile", u"説明"_s, 1, 1, {}, u"説明"_s, 1}));

struct CounterCase {
    const char* name;
    QString title;
    QString counter;
};
void PrintTo(const CounterCase& c, std::ostream* os) {
    *os << c.name;
}

class TitleCounter : public Form1Phrases, public ::testing::WithParamInterface<CounterCase> {};

TEST_P(TitleCounter, FollowsTheTitle) {
    createForm();
    auto* title = child<QLineEdit>(u"TextBoxタイトル"_s);
    title->setText(GetParam().title);
    EXPECT_EQ(label(u"Label12"_s), GetParam().counter);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, TitleCounter,
    ::testing::Values(CounterCase{"Thirty", QString(30, u'本'), u"あと0文字"_s},
                      CounterCase{"ThirtyOne", QString(15, u'a') + QString(16, u'Ａ'),
                                  u"文字数オーバー"_s}));

TEST_F(Form1Phrases, LeavingTheTitleRemovesItsQuotesAndTheCounterFollows) {
    createForm();
    showActive();
    auto* title = child<QLineEdit>(u"TextBoxタイトル"_s);
    title->setText(u"古い題"_s);
    click(u"Command3"_s);
    EXPECT_EQ(title->text(), QString());
    EXPECT_EQ(label(u"Label12"_s), u"あと30文字"_s);

    title->setFocus();
    title->setText(u"\"限定\"品 ＂全角＂"_s);
    child<QPlainTextEdit>(u"TextBox商品説明"_s)->setFocus();

    EXPECT_EQ(title->text(), u"限定品 ＂全角＂"_s);
    EXPECT_EQ(label(u"Label12"_s), u"あと22文字"_s);
}

class ClearDescriptionAnswer : public Form1Phrases, public ::testing::WithParamInterface<bool> {};

TEST_P(ClearDescriptionAnswer, NoKeepsTheTextYesEmptiesIt) {
    createForm();
    showActive();
    auto* box = child<QPlainTextEdit>(u"TextBox商品説明"_s);
    box->setPlainText(u"説明文"_s);
    m_prompter.answers = {GetParam()};

    click(u"CommandButton6"_s);

    EXPECT_EQ(m_prompter.texts, QStringList{u"商品説明をクリアしますか？"_s});
    EXPECT_EQ(box->toPlainText(), GetParam() ? QString() : u"説明文"_s);
    EXPECT_EQ(box->hasFocus(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Answers, ClearDescriptionAnswer, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Yes" : "No"; });

TEST_F(Form1Phrases, EditorMenuEntryShowsTheEditorSettings) {
    createForm();
    QString shown;
    QTimer::singleShot(0, m_form.get(), [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        shown = dialog->objectName();
        qobject_cast<QDialog*>(dialog)->reject();
    });
    m_form->findChild<QAction*>(u"mnuediter"_s)->trigger();
    EXPECT_EQ(shown, u"EitorDialog"_s);
}

// A tick given through assistive technology counts as the seller's click: the summaries,
// which follow clicks only, show it.
TEST_F(Form1Phrases, TickActionOfAssistiveTechnologyRecomposesTheSummary) {
    createForm();
    auto* box = child<QCheckBox>(u"CheckBox現金書留"_s);
    ASSERT_FALSE(box->isChecked());
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(box)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_EQ(actions->actionNames().value(0), QAccessibleActionInterface::toggleAction());
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(label(u"Label支払い方法"_s).contains(u"・現金書留"_s))
        << label(u"Label支払い方法"_s).toStdString();
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(box)->state().checked);
}

} // namespace
