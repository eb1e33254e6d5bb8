#include "app/start_up.h"
#include "backup/backup.h"
#include "backup/replaced_removal.h"
#include "core/listing_record.h"
#include "fixed_clock.h"
#include "scripted_prompter.h"
#include "storage/listing_actions.h"
#include "storage/listing_index.h"
#include "temp_app_folder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct NoDialogs : platform::Dialogs {
    std::optional<QString> openFile(const QString&, const QString&, const QString&) override {
        ADD_FAILURE() << "unexpected file dialog";
        return std::nullopt;
    }
    std::optional<platform::ColourValue> pickColour(platform::ColourValue) override {
        ADD_FAILURE() << "unexpected colour dialog";
        return std::nullopt;
    }
};

bool anyMainWindowExists() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<ui::Form1*>(widget))
            return true;
    return false;
}

class StartUpTest : public ::testing::Test {
protected:
    ui::Form1Services servicesFor(const QString& folder) {
        return {folder, &m_prompter, &m_dialogs, &m_clock};
    }
    ScriptedPrompter m_prompter;
    NoDialogs m_dialogs;
    FixedClock m_clock;
};

TEST_F(StartUpTest, FreshFolderBecomesAWorkspaceAndTheMainWindowOpens) {
    TempAppFolder folder;
    const auto window = app::StartUp(servicesFor(folder.path()));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QFileInfo::exists(folder.path(u"data/tm1.dat"_s)));
}

TEST_F(StartUpTest, BlockedFolderIsReportedAndNoWindowOpens) {
    TempAppFolder folder;
    folder.writeBytes(u"text"_s, "not a folder");
    const auto window = app::StartUp(servicesFor(folder.path()));
    EXPECT_EQ(window, nullptr);
    EXPECT_FALSE(anyMainWindowExists());
    EXPECT_EQ(m_prompter.texts, QStringList{u"パスが見つかりません。 (CH 76)"_s});
}

// A restore and a file-manager move, both cut short by a crash, are put right before the
// window opens, and the seller hears of both in one message.
TEST_F(StartUpTest, InterruptedWorkIsRepairedBeforeTheWindowOpens) {
    TempAppFolder folder, out;
    app::StartUp(servicesFor(folder.path())).reset(); // a workspace of the program's own
    m_prompter.texts.clear();
    const storage::Storage storage{{folder.path()}};
    core::ListingRecord listing;
    listing.TextBoxタイトル = u"傘"_s;
    ASSERT_TRUE(storage::FinishListing(storage, listing, m_clock, m_prompter).saved);
    ASSERT_EQ(backup::createBackup(folder.path(), out.path(u"a.zip"_s), m_clock),
              backup::Outcome::Done);
    folder.writeBytes(u"data/後から.txt"_s, "only in the current workspace");
    // What a move of "傘" to the listed ones writes before its first file moves.
    folder.writeBytes(u"data/tm1.journal"_s, R"({"action":"move","mode":0,"titles":["傘"]})");

    const pid_t child = ::fork();
    if (child == 0) { // dies once the data folder of the archive is in place
        const auto progress = [](const backup::Progress& p) {
            if (p.step == backup::Step::Replacing && p.done == 8)
                ::raise(SIGKILL);
            return true;
        };
        backup::restoreBackup(out.path(u"a.zip"_s), folder.path(), m_clock, progress);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));

    const auto window = app::StartUp(servicesFor(folder.path()));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(m_prompter.texts.value(0),
              u"前回中断した復元を元に戻しました。データは復元する前のままです。\n"
              u"前回中断したファイルの移動を整えました。"_s);
    EXPECT_TRUE(QFileInfo::exists(folder.path(u"data/後から.txt"_s)));
    const storage::ListingIndex index = storage::readIndex(storage);
    ASSERT_EQ(index.size(), 2);
    EXPECT_EQ(index.last().kind, storage::EntryKind::Listed);
    backup::waitForReplacedRemovals(); // the unpacked files go in the background
    EXPECT_EQ(QDir(folder.path()).entryList({u".tomoea-*"_s}, QDir::Dirs | QDir::Hidden),
              QStringList{});
}

// The read-only case runs twice: the outer run makes a folder and starts this same test
// again in a private mount namespace where that folder is mounted read-only (root ignores
// permission bits, so a read-only mount is the only way to refuse root a write).
constexpr char kReadOnlyFolderVariable[] = "TOMOEA_TEST_READ_ONLY_FOLDER";
constexpr char kRemountReadOnly[] = "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\"";

void checkStartUpInReadOnlyFolder(const QString& folder) {
    ScriptedPrompter prompter;
    NoDialogs dialogs;
    FixedClock clock;
    const auto window = app::StartUp({folder, &prompter, &dialogs, &clock});
    EXPECT_EQ(window, nullptr);
    EXPECT_FALSE(anyMainWindowExists());
    EXPECT_EQ(prompter.texts, QStringList{u"パス名またはファイル名が無効です。 (CH 75)"_s});
}

TEST_F(StartUpTest, ReadOnlyFolderIsReportedAndNoWindowOpens) {
    if (qEnvironmentVariableIsSet(kReadOnlyFolderVariable)) {
        checkStartUpInReadOnlyFolder(qEnvironmentVariable(kReadOnlyFolderVariable));
        return;
    }
    TempAppFolder folder;
    QProcess probe;
    probe.start(u"unshare"_s, {u"-m"_s, u"sh"_s, u"-c"_s, QString::fromLatin1(kRemountReadOnly),
                               u"sh"_s, folder.path()});
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        GTEST_SKIP() << "a read-only bind mount in a private mount namespace is not allowed "
                        "here: "
                     << probe.readAllStandardError().toStdString();

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kReadOnlyFolderVariable), folder.path());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString script = QString::fromLatin1(kRemountReadOnly) + u" && exec \"$2\" \"$3\""_s;
    child.start(u"unshare"_s,
                {u"-m"_s, u"sh"_s, u"-c"_s, script, u"sh"_s, folder.path(),
                 QCoreApplication::applicationFilePath(),
                 u"--gtest_filter=StartUpTest.ReadOnlyFolderIsReportedAndNoWindowOpens"_s});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(u"[  PASSED  ] 1 test."_s)) << output.toStdString();
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// The real program, copied into a folder of its own, makes its workspace there and shows
// its window; the benchmark's exit hook ends it right after.
TEST(Program, StartsInAnEmptyFolderNextToItself) {
    TempAppFolder folder;
    const QString program = folder.path(u"tomoea"_s);
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(TOMOEA_EXECUTABLE), program));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"TOMOEA_EXIT_AFTER_SHOW"_s, u"1"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {});
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAll().toStdString();
    EXPECT_TRUE(QFileInfo::exists(folder.path(u"data/tm1.dat"_s)));
    EXPECT_TRUE(QFileInfo::exists(folder.path(u"template/temp1.tmpl"_s)));
}

} // namespace
