#include "accessible_names.h"
#include "fake_browser.h"
#include "form1_fixture.h"
#include "storage/listing_index.h"
#include "ui/desktop/system_clipboard.h"
#include "ui/dialogs/clean_file_dialog.h"
#include "ui/dialogs/open_cmp_dialog.h"
#include "ui/dialogs/title_list_model.h"
#include "ui/dialogs/title_list_view.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;
using storage::EntryKind;

// Readable failures: gtest would print a QString as its raw code units.
static void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QList<std::pair<EntryKind, QString>> kFourListings = {{EntryKind::Finished, u"赤い傘"_s},
                                                            {EntryKind::Finished, u"白い傘"_s},
                                                            {EntryKind::Listed, u"青い傘"_s},
                                                            {EntryKind::Finished, u"黒い傘"_s}};

class CleanFileDialogTest : public Form1Fixture {
protected:
    void writeIndex(const QList<std::pair<EntryKind, QString>>& entries) {
        for (const QString& folder : {u"data/after"_s, u"userdata/after"_s})
            QDir().mkpath(m_folder.path(folder));
        m_storage.workspace.applicationFolder = m_folder.path();
        storage::ListingIndex index;
        const QDateTime at(QDate(2024, 1, 5), QTime(9, 30));
        for (const auto& [kind, title] : entries)
            index << storage::IndexEntry{
                kind, title, at.addSecs(index.size()).toString(u"yyyyMMddHHmmss"_s), at};
        storage::writeIndex(m_storage, index);
    }
    ui::CleanFileDialog& open(web::BrowserFactory* browsers) {
        m_dialog =
            std::make_unique<ui::CleanFileDialog>(m_storage, m_prompter, browsers, m_clipboard);
        m_dialog->show();
        return *m_dialog;
    }
    template <typename Widget> Widget* in(const QString& name) const {
        return m_dialog->findChild<Widget*>(name);
    }
    ui::TitleListView* list(int mode) const {
        return in<ui::TitleListView>(u"List1_%1"_s.arg(mode));
    }
    void select(int mode, std::initializer_list<int> rows) const {
        for (int row : rows)
            list(mode)->selectionModel()->select(list(mode)->model()->index(row, 0),
                                                 QItemSelectionModel::Select);
    }
    QStringList lines(int mode) const { return list(mode)->shownTitles(); }
    QLineEdit* searchBox() const { return in<QLineEdit>(u"TitleSearchBox"_s); }
    // Key by key, as the seller types (QTest::keyClicks takes ASCII only).
    void type(const QString& text) const {
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, searchBox(), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }

    storage::Storage m_storage;
    FakeBrowserFactory m_browsers;
    ui::SystemClipboard m_clipboard;
    std::unique_ptr<ui::CleanFileDialog> m_dialog;
};

// A selection in the hidden list must not count: each button looks at the visible one only.
TEST_F(CleanFileDialogTest, EveryActionWithNothingSelectedInTheVisibleListOnlySaysSo) {
    writeIndex({{EntryKind::Finished, u"赤い傘"_s}, {EntryKind::Listed, u"青い傘"_s}});
    const QByteArray index = m_folder.readBytes(u"data/tm1.dat"_s);
    open(&m_browsers);
    select(0, {0});
    in<QRadioButton>(u"Option1_1"_s)->click();
    EXPECT_TRUE(list(1)->isVisible() && !list(0)->isVisible());
    EXPECT_EQ(in<QLabel>(u"Label1"_s)->text(), u"出品済ファイル"_s);
    EXPECT_EQ(in<QPushButton>(u"Command1"_s)->text(), u"完成に戻す"_s);
    expectAccessibleNamesComplete(m_dialog.get());

    for (const char* button : {"Command1", "DELButton", "CopyButton", "PreviewButton"})
        in<QPushButton>(QString::fromUtf8(button))->click();
    EXPECT_EQ(m_prompter.texts, QStringList(4, u"選択されていません"_s));
    EXPECT_EQ(m_folder.readBytes(u"data/tm1.dat"_s), index);
    EXPECT_TRUE(m_browsers.browsers.empty());
    EXPECT_TRUE(m_dialog->copiedTitles().isEmpty());
    in<QRadioButton>(u"Option1_0"_s)->click();
    EXPECT_EQ(m_dialog->IsTitleSelected(u"赤い傘"_s), 1); // kept while hidden
}

TEST_F(CleanFileDialogTest, MovingTwoOfThreeSelectedLeavesTheThirdAndKeepsTheMode) {
    writeIndex(kFourListings);
    open(&m_browsers);
    select(0, {0, 2});
    m_prompter.answers = {false, true}; // "No" first: nothing moves
    in<QPushButton>(u"Command1"_s)->click();
    EXPECT_EQ(lines(0).size(), 3);
    in<QPushButton>(u"Command1"_s)->click();

    EXPECT_EQ(m_prompter.texts, QStringList(2, u"出品済にしますか？"_s));
    EXPECT_EQ(lines(0), QStringList{u"白い傘"_s});
    EXPECT_EQ(lines(1), QStringList({u"赤い傘"_s, u"青い傘"_s, u"黒い傘"_s})); // index order
    EXPECT_EQ(m_dialog->mode(), 0);
}

// Deleting and moving in either mode touch only the line picked in the list on show.
struct ListingActionCase {
    const char* name;
    int mode;
    const char* button;
    int row;
    bool answer;
    QString question;
    QStringList finished, listed; // the lists afterwards
};
void PrintTo(const ListingActionCase& c, std::ostream* os) {
    *os << c.name;
}
class CleanFileDialogAction : public CleanFileDialogTest,
                              public ::testing::WithParamInterface<ListingActionCase> {};

TEST_P(CleanFileDialogAction, ChangesOnlyTheSelectedLineOfTheShownList) {
    const ListingActionCase& c = GetParam();
    writeIndex(kFourListings);
    open(nullptr);
    in<QRadioButton>(u"Option1_%1"_s.arg(c.mode))->click();
    select(c.mode, {c.row});
    m_prompter.answers = {c.answer};
    in<QPushButton>(QString::fromLatin1(c.button))->click();

    EXPECT_EQ(m_prompter.texts, QStringList{c.question});
    EXPECT_EQ(lines(0), c.finished);
    EXPECT_EQ(lines(1), c.listed);
    EXPECT_EQ(m_dialog->mode(), c.mode);
}

const QString kDelete = u"削除しますか？"_s;
INSTANTIATE_TEST_SUITE_P(
    Cases, CleanFileDialogAction,
    ::testing::Values(ListingActionCase{"DeleteFinished",
                                        0,
                                        "DELButton",
                                        1,
                                        true,
                                        kDelete,
                                        {u"赤い傘"_s, u"黒い傘"_s},
                                        {u"青い傘"_s}},
                      ListingActionCase{"DeleteAnsweredNo",
                                        0,
                                        "DELButton",
                                        1,
                                        false,
                                        kDelete,
                                        {u"赤い傘"_s, u"白い傘"_s, u"黒い傘"_s},
                                        {u"青い傘"_s}},
                      ListingActionCase{"DeleteListed",
                                        1,
                                        "DELButton",
                                        0,
                                        true,
                                        kDelete,
                                        {u"赤い傘"_s, u"白い傘"_s, u"黒い傘"_s},
                                        {}},
                      ListingActionCase{"MoveBackToFinished",
                                        1,
                                        "Command1",
                                        0,
                                        true,
                                        u"完成に戻しますか？"_s,
                                        {u"赤い傘"_s, u"白い傘"_s, u"青い傘"_s, u"黒い傘"_s},
                                        {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A line selected before narrowing and then narrowed away must not move with the shown ones.
TEST_F(CleanFileDialogTest, NarrowingThenMovingTwoLinesMovesExactlyThose) {
    writeIndex({{EntryKind::Finished, u"赤い傘"_s},
                {EntryKind::Finished, u"ｶﾞﾝﾀﾞﾑ 1/144"_s},
                {EntryKind::Listed, u"ガンダム 本"_s},
                {EntryKind::Finished, u"がんだむ ぷらも"_s},
                {EntryKind::Finished, u"ガンダム 旧キット"_s}});
    open(nullptr);
    select(0, {0, 2}); // 赤い傘 and がんだむ ぷらも
    type(u"ガンダム"_s);
    EXPECT_EQ(lines(0),
              QStringList({u"ｶﾞﾝﾀﾞﾑ 1/144"_s, u"がんだむ ぷらも"_s, u"ガンダム 旧キット"_s}));
    EXPECT_EQ(lines(1), QStringList{u"ガンダム 本"_s}); // both lists narrow
    EXPECT_EQ(in<QLabel>(u"NarrowingCount"_s)->text(), u"4 件中 3 件"_s);
    EXPECT_EQ(list(0)->model()->index(0, 0).data(ui::TitleListModel::SavedDateRole),
              u"2024/01/05"_s);
    EXPECT_EQ(list(0)->selectedTitles(), QStringList{u"がんだむ ぷらも"_s}); // 赤い傘 hidden
    list(0)->clearSelection();
    select(0, {0, 2});
    m_prompter.answers = {true};
    in<QPushButton>(u"Command1"_s)->click();

    EXPECT_EQ(lines(0), QStringList{u"がんだむ ぷらも"_s}); // still narrowed after the move
    EXPECT_EQ(lines(1), QStringList({u"ｶﾞﾝﾀﾞﾑ 1/144"_s, u"ガンダム 本"_s, u"ガンダム 旧キット"_s}));
    QTest::keyClick(searchBox(), Qt::Key_Escape);
    EXPECT_TRUE(searchBox()->text().isEmpty() && m_dialog->isVisible());
    EXPECT_EQ(lines(0), QStringList({u"赤い傘"_s, u"がんだむ ぷらも"_s}));
    EXPECT_EQ(in<QLabel>(u"NarrowingCount"_s)->text(), u"2 件"_s);
}

TEST_F(CleanFileDialogTest, ANarrowingThatShowsNothingDisablesTheFourActions) {
    writeIndex(kFourListings);
    open(nullptr);
    const auto enabledActions = [this] {
        int enabled = 0;
        for (const char* button : {"Command1", "DELButton", "CopyButton", "PreviewButton"})
            enabled += in<QPushButton>(QString::fromLatin1(button))->isEnabled();
        return enabled;
    };
    searchBox()->setText(u"青"_s); // only a listed line: the finished list shows nothing
    EXPECT_EQ(enabledActions(), 0);
    EXPECT_EQ(in<QLabel>(u"NarrowingCount"_s)->text(), u"一致するタイトルはありません"_s);
    in<QRadioButton>(u"Option1_1"_s)->click();
    EXPECT_EQ(enabledActions(), 4);
    EXPECT_EQ(in<QLabel>(u"NarrowingCount"_s)->text(), u"1 件中 1 件"_s);
    in<QRadioButton>(u"Option1_0"_s)->click();
    searchBox()->clear();
    EXPECT_EQ(enabledActions(), 4);
}

// Ctrl+F from the list reaches the box; Escape first empties it, then closes as before.
TEST_F(CleanFileDialogTest, CtrlFFocusesTheSearchBoxAndEscapeEmptiesItBeforeClosing) {
    writeIndex(kFourListings);
    open(nullptr);
    m_dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_dialog.get()));
    list(0)->setFocus();
    QTest::keyClick(list(0), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(searchBox()->hasFocus());
    type(u"白"_s);
    EXPECT_EQ(lines(0), QStringList{u"白い傘"_s});
    QTest::keyClick(searchBox(), Qt::Key_Escape);
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(lines(0).size(), 3);
    QTest::keyClick(searchBox(), Qt::Key_Escape);
    EXPECT_FALSE(m_dialog->isVisible());
}

// "完成ファイルを開く" narrows the same way, and a line picked among the shown ones is the one
// the dialog opens.
TEST(OpenCMPDialogSearch, APickAmongTheNarrowedLinesIsTheTitleOpened) {
    const QDateTime at(QDate(2024, 1, 5), QTime(9, 30));
    ui::OpenCMPDialog dialog(
        {{u"置き時計 レトロ"_s, at}, {u"うでどけい"_s, at}, {u"ウデドケイ 新品"_s, at}});
    dialog.show();
    dialog.findChild<QLineEdit*>(u"TitleSearchBox"_s)->setText(u"ｳﾃﾞ"_s);
    EXPECT_EQ(dialog.findChild<QLabel*>(u"NarrowingCount"_s)->text(), u"3 件中 2 件"_s);
    auto* list = dialog.findChild<ui::TitleListView*>(u"List1"_s);
    EXPECT_EQ(list->shownTitles(), QStringList({u"うでどけい"_s, u"ウデドケイ 新品"_s}));
    list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::Select);
    dialog.findChild<QPushButton*>(u"OKButton"_s)->click();
    EXPECT_EQ(dialog.chosenTitle(), u"ウデドケイ 新品"_s);
}

TEST_F(CleanFileDialogTest, PreviewShowsTheFirstSelectedLinesPageOfTheModeOrReportsNoBrowser) {
    writeIndex({{EntryKind::Listed, u"ABC 傘"_s}, {EntryKind::Listed, u"青い傘"_s}});
    for (web::BrowserFactory* browsers : {static_cast<web::BrowserFactory*>(nullptr),
                                          static_cast<web::BrowserFactory*>(&m_browsers)}) {
        open(browsers);
        in<QRadioButton>(u"Option1_1"_s)->click();
        select(1, {1, 0});
        in<QPushButton>(u"PreviewButton"_s)->click();
    }
    EXPECT_EQ(m_prompter.texts,
              QStringList{u"オブジェクトが設定されていません。 (PreviewButton 91)"_s});
    ASSERT_EQ(m_browsers.browsers.size(), 1u);
    EXPECT_EQ(m_browsers.browsers[0]->events,
              QStringList({u"navigate "_s + m_folder.path(u"userdata/after/ＡＢＣ　傘.html"_s),
                           u"visible true"_s, u"release"_s}));
    EXPECT_EQ(m_browsers.browsers[0]->kind, web::BrowserKind::Page);
}

TEST_F(CleanFileDialogTest, AnIndexOfTenThousandEntriesFillsBothLists) {
    QList<std::pair<EntryKind, QString>> entries;
    for (int i = 0; i < 10000; ++i)
        entries << std::pair{i % 2 ? EntryKind::Listed : EntryKind::Finished, u"傘 No.%1"_s.arg(i)};
    writeIndex(entries);
    open(nullptr);
    EXPECT_EQ(lines(0).size(), 5000);
    EXPECT_EQ(lines(1).constLast(), u"傘 No.9999"_s);
}

// Lines picked by keyboard, the lowest first, still copy from the top; and the main window's
// activation must not undo the copy.
TEST_F(CleanFileDialogTest, CopiedTitlesAreOnTheClipboardAfterTheDialogCloses) {
    QGuiApplication::clipboard()->setText(u"start-up text"_s);
    writeIndex(kFourListings);
    createForm();
    showActive();
    QTimer::singleShot(0, m_form.get(), [] {
        auto* dialog = QApplication::activeModalWidget();
        auto* finished = dialog->findChild<QListView*>(u"List1_0"_s);
        QTest::keyClick(finished, Qt::Key_End);
        QTest::keyClick(finished, Qt::Key_Home, Qt::ControlModifier); // moves, selects nothing
        QTest::keyClick(finished, Qt::Key_Space, Qt::ControlModifier);
        QTest::keyClick(finished, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(finished, Qt::Key_Space, Qt::ControlModifier);
        dialog->findChild<QPushButton*>(u"CopyButton"_s)->click();
        dialog->findChild<QPushButton*>(u"CancelButton"_s)->click();
    });
    child<QAction>(u"mnurelease"_s)->trigger();
    const QString titles = u"赤い傘\r\n白い傘\r\n黒い傘\r\n"_s;
    EXPECT_EQ(QGuiApplication::clipboard()->text(), titles);
    m_form->activateWindow(); // the seller comes back to the window
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    QTest::qWait(50); // every pending event has run, the activation's among them
    EXPECT_EQ(QGuiApplication::clipboard()->text(), titles);
}

TEST_F(CleanFileDialogTest, OpeningAndClosingWithoutACopyLeavesTheSellersClipboard) {
    writeIndex(kFourListings);
    createForm();
    showActive();
    const SellersClipboard copied(u"売り手のメモ"_s);
    QTimer::singleShot(0, m_form.get(), [] {
        QApplication::activeModalWidget()->findChild<QPushButton*>(u"CancelButton"_s)->click();
    });
    child<QAction>(u"mnurelease"_s)->trigger();
    leaveAndComeBack();
    EXPECT_TRUE(copied.untouched());
}

// A screen reader's toggle checks an option without a click, as setChecked does.
TEST_F(CleanFileDialogTest, CheckingAnOptionWithoutAClickSwitchesTheMode) {
    writeIndex(kFourListings);
    open(nullptr);
    in<QRadioButton>(u"Option1_1"_s)->setChecked(true);
    EXPECT_EQ(m_dialog->mode(), 1);
    EXPECT_TRUE(list(1)->isVisible() && !list(0)->isVisible());
    QAccessibleInterface* option =
        QAccessible::queryAccessibleInterface(in<QRadioButton>(u"Option1_0"_s));
    ASSERT_TRUE(option && option->actionInterface());
    option->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(m_dialog->mode(), 0);
    EXPECT_TRUE(list(0)->isVisible() && !list(1)->isVisible());
    EXPECT_EQ(in<QLabel>(u"Label1"_s)->text(), u"完成ファイル"_s);
}

} // namespace
