// The backup entries of the file menu, driven as the seller drives them: scripted file
// dialogs and answers, real archives in a folder beside the application folder.
#include "accessible_names.h"
#include "backup/backup.h"
#include "form1_fixture.h"
#include "scripted_dialogs.h"
#include "ui/dialogs/backup_progress.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QMap>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Every file below the folders with its bytes, so "nothing changed" also sees a file added.
QMap<QString, QByteArray> snapshot(const QStringList& folders) {
    QMap<QString, QByteArray> files;
    for (const QString& folder : folders)
        for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            files.insert(it.filePath(), file.readAll());
        }
    return files;
}

} // namespace

class Form1Backup : public Form1Fixture {
protected:
    // A window whose workspace has been backed up to 控え.zip with the bank name みずほ銀行
    // and the third weight, then given a later file and a title being typed.
    void SetUpBackedUpWindow() {
        m_form = std::make_unique<ui::Form1>(
            ui::Form1Services{m_folder.path(), &m_prompter, &m_dialogs, &m_clock});
        child<QLineEdit>(u"TextBox銀行名1"_s)->setText(u"みずほ銀行"_s);
        child<QComboBox>(u"ComboBox商品重さ"_s)->setCurrentIndex(2);
        m_dialogs.savePaths = {m_archive};
        child<QAction>(u"mnuBackup"_s)->trigger();
        ASSERT_EQ(m_prompter.texts.value(0), u"バックアップを作成しました。\n"_s + m_archive);
        m_prompter.texts.clear();
        m_folder.writeBytes(u"data/後から.txt"_s, "later");
        child<QLineEdit>(u"TextBoxタイトル"_s)->setText(u"書きかけ"_s);
    }
    void TearDown() override { m_outside.setAutoRemove(!HasFailure()); }

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_outside;
    const QString m_archive = m_outside.path() + u"/控え.zip"_s;
};

TEST_F(Form1Backup, BackupSuggestsTheHomeFolderAndAddsTheZipEnding) {
    SetUpBackedUpWindow();
    EXPECT_EQ(m_dialogs.saveSuggestions,
              QStringList{QDir::homePath() + u"/TomoeA-backup-20240105-093000.zip"_s});
    m_dialogs.savePaths = {m_outside.path() + u"/二つ目"_s};
    child<QAction>(u"mnuBackup"_s)->trigger();
    EXPECT_TRUE(backup::inspectBackup(m_outside.path() + u"/二つ目.zip"_s).has_value());
}

// The dialog asked only about the name as typed: an added ".zip" naming a file asks again,
// and a name already ending in ".ZIP" is kept as it is.
TEST_F(Form1Backup, AnAddedZipEndingAsksBeforeReplacingAndAnyCaseOfTheEndingIsKept) {
    SetUpBackedUpWindow();
    const QString replace = u"%1 は既にあります。\n置き換えますか？"_s.arg(m_archive);
    m_dialogs.savePaths = {m_outside.path() + u"/控え"_s, m_outside.path() + u"/控え"_s,
                           m_outside.path() + u"/大文字.ZIP"_s};
    m_prompter.answers = {false, true};
    for (int i = 0; i < 3; ++i)
        child<QAction>(u"mnuBackup"_s)->trigger();

    EXPECT_EQ(
        m_prompter.texts,
        (QStringList{replace, replace, u"バックアップを作成しました。\n"_s + m_archive,
                     u"バックアップを作成しました。\n"_s + m_outside.path() + u"/大文字.ZIP"_s}));
    EXPECT_EQ(QDir(m_outside.path()).entryList(QDir::Files),
              (QStringList{u"大文字.ZIP"_s, u"控え.zip"_s}));
    EXPECT_TRUE(backup::inspectBackup(m_outside.path() + u"/大文字.ZIP"_s).has_value());
}

TEST_F(Form1Backup, RestoreReplacesTheWorkspaceAndTheWindowShowsTheRestoredChoices) {
    SetUpBackedUpWindow();
    showActive();
    child<QLineEdit>(u"TextBox銀行名1"_s)->setText(u"別の銀行"_s);
    child<QComboBox>(u"ComboBox商品重さ"_s)->setCurrentIndex(0);
    m_dialogs.files = {m_archive};
    m_prompter.answers = {true};
    child<QAction>(u"mnuRestore"_s)->trigger();

    ASSERT_EQ(m_prompter.texts.size(), 2) << m_prompter.texts.join(u'\n').toStdString();
    EXPECT_TRUE(m_prompter.texts[1].startsWith(u"復元しました。"_s));
    EXPECT_FALSE(QFile::exists(m_folder.path(u"data/後から.txt"_s)));
    EXPECT_EQ(child<QLineEdit>(u"TextBox銀行名1"_s)->text(), u"みずほ銀行"_s);
    EXPECT_EQ(child<QLineEdit>(u"TextBoxタイトル"_s)->text(), QString());
    // The held values came from the restored files too: coming back to the window puts
    // back the restored weight, not the one chosen before the restore.
    leaveAndComeBack();
    EXPECT_EQ(child<QComboBox>(u"ComboBox商品重さ"_s)->currentIndex(), 2);
    const QStringList kept =
        QDir(m_folder.path(backup::kAutomaticBackupFolder.toString())).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(m_prompter.texts[1].endsWith(kept.front()));
}

// Ways a backup or a restore ends without doing anything.
struct NothingCase {
    const char* name;
    const char* action;
    const char* chosen; // the file the dialog returns, in the outside folder; none: cancel
    std::optional<backup::Step> cancelDuring;
    QList<bool> answers;
    qsizetype messages;  // the question, and what is said at the end
    QString lastMessage; // its end
};
void PrintTo(const NothingCase& c, std::ostream* os) {
    *os << c.name;
}
class Form1BackupChangesNothing : public Form1Backup,
                                  public ::testing::WithParamInterface<NothingCase> {};

TEST_P(Form1BackupChangesNothing, WorkspaceOutsideFolderAndWindowStayAsTheyWere) {
    const NothingCase& c = GetParam();
    SetUpBackedUpWindow();
    QFile ours(m_archive), damaged(m_outside.path() + u"/壊れた.zip"_s);
    ASSERT_TRUE(ours.open(QIODevice::ReadOnly) && damaged.open(QIODevice::WriteOnly));
    damaged.write(ours.read(ours.size() / 2));
    damaged.close();
    const auto before = snapshot({m_folder.path(), m_outside.path()});
    // Presses キャンセル once the progress dialog shows the step, as the seller would.
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [&] {
        for (auto* dialog : m_form->findChildren<QProgressDialog*>()) {
            if (c.cancelDuring && dialog->labelText() == backup::stepLabel(*c.cancelDuring))
                dialog->findChild<QPushButton*>(u"backupProgressCancel"_s)->click();
        }
    });
    canceller.start(0);
    const auto chosen = c.chosen
                            ? std::optional(m_outside.path() + u'/' + QString::fromUtf8(c.chosen))
                            : std::nullopt;
    (c.action == "mnuBackup"_L1 ? m_dialogs.savePaths : m_dialogs.files) = {chosen};
    m_prompter.answers = c.answers;
    child<QAction>(QString::fromLatin1(c.action))->trigger();

    ASSERT_EQ(m_prompter.texts.size(), c.messages) << m_prompter.texts.join(u'\n').toStdString();
    if (c.messages > 0) {
        EXPECT_TRUE(m_prompter.texts.back().endsWith(c.lastMessage))
            << m_prompter.texts.back().toStdString();
    }
    EXPECT_EQ(snapshot({m_folder.path(), m_outside.path()}), before);
    EXPECT_EQ(child<QLineEdit>(u"TextBoxタイトル"_s)->text(), u"書きかけ"_s);
}

using S = backup::Step;
INSTANTIATE_TEST_SUITE_P(
    Cases, Form1BackupChangesNothing,
    ::testing::Values(
        NothingCase{"SaveDialogCancelled", "mnuBackup", nullptr, {}, {}, 0, {}},
        // The file written beside the target must be gone too.
        NothingCase{"BackupCancelled", "mnuBackup", "新しい.zip", S::Archiving, {}, 0, {}},
        NothingCase{"OpenDialogCancelled", "mnuRestore", nullptr, {}, {}, 0, {}},
        NothingCase{"CheckingCancelled", "mnuRestore", "控え.zip", S::Checking, {}, 0, {}},
        NothingCase{"AnsweredNo", "mnuRestore", "控え.zip", {}, {false}, 1, u"復元しますか？"_s},
        NothingCase{"ExtractingCancelled",
                    "mnuRestore",
                    "控え.zip",
                    S::Extracting,
                    {true},
                    2,
                    u"データは元のままです。"_s},
        NothingCase{"SavingCurrentCancelled",
                    "mnuRestore",
                    "控え.zip",
                    S::SavingCurrent,
                    {true},
                    2,
                    u"データは元のままです。"_s},
        NothingCase{"DamagedArchive",
                    "mnuRestore",
                    "壊れた.zip",
                    {},
                    {},
                    1,
                    u" (RS %1)"_s.arg(backup::kRefusedArchive)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Backup, NoRestoreWhileAnEditorHasAWorkspaceFileOpen) {
    SetUpBackedUpWindow();
    showActive();
    // The phrase editor waits in its own event loop, where the menu still works.
    QTimer::singleShot(0, [this] {
        child<QAction>(u"mnuRestore"_s)->trigger();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == u"NotepadWindow"_s)
                window->close();
        }
    });
    child<QPushButton>(u"Command定型文を編集"_s)->click();
    EXPECT_EQ(m_prompter.texts, QStringList{u"エディタ起動中です。先に終了してください。"_s});
    EXPECT_TRUE(m_dialogs.fileFolders.isEmpty()) << "the archive was asked for";
}

TEST_F(Form1Backup, ProgressDialogIsNamedForScreenReaders) {
    SetUpBackedUpWindow();
    ui::BackupProgress progress(m_form.get());
    EXPECT_TRUE(progress.report({backup::Step::Archiving, 0, 10}));
    auto* dialog = child<QProgressDialog>(u"backupProgress"_s);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    expectAccessibleNamesComplete(dialog);
}
