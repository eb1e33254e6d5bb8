#include "backup/backup.h"
#include "backup/replaced_removal.h"
#include "fixed_clock.h"
#include "platform/error.h"
#include "sample_workspace.h"
#include "temp_app_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace Qt::StringLiterals;

// An archive made when the password file was readable by others still restores it private.
TEST(RestoreTarget, ThePasswordFileIsTheOwnersAlone) {
    TempAppFolder source, app, out;
    FixedClock clock;
    writeSampleWorkspace(source.path(), 1);
    ASSERT_EQ(::chmod(QFile::encodeName(source.path(u"ini/psbin.dat"_s)).constData(), 0644), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(source.path(u"ini/auction.ini"_s)).constData(), 0664), 0);
    ASSERT_EQ(backup::createBackup(source.path(), out.path(u"a.zip"_s), clock),
              backup::Outcome::Done);
    ASSERT_EQ(backup::restoreBackup(out.path(u"a.zip"_s), app.path(), clock).outcome,
              backup::Outcome::Done);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(app.path(u"ini/psbin.dat"_s)).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_EQ(::stat(QFile::encodeName(app.path(u"ini/auction.ini"_s)).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0664u); // the others keep what the archive says, umask or not
}

// Runs twice: the outer run prepares a workspace and an archive, then runs this same test
// again in a private mount namespace where the workspace is mounted read-only (permission
// bits do not stop root).
constexpr char kWorkspaceVariable[] = "TOMOEA_TEST_READ_ONLY_WORKSPACE";
constexpr char kRemountReadOnly[] = "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\"";

TEST(RestoreTarget, AReadOnlyWorkspaceIsRefusedInPlainWords) {
    if (qEnvironmentVariableIsSet(kWorkspaceVariable)) {
        const QString app = qEnvironmentVariable(kWorkspaceVariable);
        FixedClock clock;
        try {
            backup::restoreBackup(app + u"/../a.zip"_s, app, clock);
            ADD_FAILURE() << "restored";
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.description(),
                      u"データのフォルダーに書き込めないため、復元できません。"_s);
        }
        return;
    }
    TempAppFolder top;
    FixedClock clock;
    const QString app = top.path(u"app"_s);
    writeSampleWorkspace(app, 2);
    ASSERT_EQ(backup::createBackup(app, top.path(u"a.zip"_s), clock), backup::Outcome::Done);
    const QMap<QString, QByteArray> before = workspaceTree(app);

    QProcess probe;
    probe.start(u"unshare"_s,
                {u"-m"_s, u"sh"_s, u"-c"_s, QString::fromLatin1(kRemountReadOnly), u"sh"_s, app});
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        GTEST_SKIP() << "a read-only bind mount in a private mount namespace is not allowed "
                        "here: "
                     << probe.readAllStandardError().toStdString();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kWorkspaceVariable), app);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(u"unshare"_s,
                {u"-m"_s, u"sh"_s, u"-c"_s,
                 QString::fromLatin1(kRemountReadOnly) + u" && exec \"$2\" \"$3\""_s, u"sh"_s, app,
                 QFileInfo(u"/proc/self/exe"_s).symLinkTarget(),
                 u"--gtest_filter=RestoreTarget.AReadOnlyWorkspaceIsRefusedInPlainWords"_s});
    ASSERT_TRUE(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(u"[  PASSED  ] 1 test."_s)) << output.toStdString();
    EXPECT_EQ(workspaceTree(app), before);
}

// What can go wrong once the seller has said yes, each leaving everything as it was.
struct LateFailure {
    const char* name;
    // Changes things after the archive was checked; the text the failure must contain.
    QString (*after)(const TempAppFolder& source, const TempAppFolder& app, const QString& archive);
};
void PrintTo(const LateFailure& f, std::ostream* os) {
    *os << f.name;
}
class RestoreAfterTheCheck : public ::testing::TestWithParam<LateFailure> {};

TEST_P(RestoreAfterTheCheck, FailsAndChangesNothing) {
    TempAppFolder source, app, out;
    FixedClock clock;
    writeSampleWorkspace(source.path(), 2);
    ASSERT_EQ(backup::createBackup(source.path(), out.path(u"a.zip"_s), clock),
              backup::Outcome::Done);
    writeSampleWorkspace(app.path(), 3);
    const backup::CheckedArchive checked =
        backup::checkRestoreTarget(out.path(u"a.zip"_s), app.path());
    const QString expected = GetParam().after(source, app, out.path(u"a.zip"_s));
    const QMap<QString, QByteArray> before = workspaceTree(app.path());
    const QStringList entriesBefore =
        QDir(app.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    try {
        backup::restoreBackup(checked, app.path(), clock);
        ADD_FAILURE() << "restored";
    } catch (const platform::Error& error) {
        EXPECT_TRUE(error.description().contains(expected)) << error.description().toStdString();
    }
    backup::waitForReplacedRemovals();
    EXPECT_EQ(workspaceTree(app.path()), before);
    EXPECT_EQ(QDir(app.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              entriesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestoreAfterTheCheck,
    ::testing::Values(
        // Replaced by a larger one between the question and the answer: never
        // written past what was found to fit.
        LateFailure{"the archive grew",
                    [](const TempAppFolder& source, const TempAppFolder&, const QString& archive) {
                        // One file more, each file smaller than the whole that was checked.
                        source.writeBytes(u"data/one more.txt"_s, "x");
                        FixedClock clock;
                        QFile::remove(archive);
                        backup::createBackup(source.path(), archive, clock);
                        return u"確かめた後に変わりました"_s;
                    }},
        // The automatic backup is written on a thread of its own; its failure
        // still ends the restore.
        LateFailure{"the automatic backup cannot be written",
                    [](const TempAppFolder&, const TempAppFolder& app, const QString&) {
                        app.writeBytes(u"backup"_s, "a file where the folder would be");
                        return u"パスが見つかりません"_s;
                    }}));

} // namespace
