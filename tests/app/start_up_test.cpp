#include "app/start_up.h"
#include "fixed_clock.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

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
