#include "backup/backup.h"
#include "backup/replaced_removal.h"
#include "fixed_clock.h"
#include "sample_workspace.h"
#include "temp_app_folder.h"

#include <QDir>
#include <QDirIterator>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace Qt::StringLiterals;
using backup::Step;

struct Stop {
    const char* name;
    Step step;
    qint64 at;
    // Dies inside the next file write (a file size limit cuts it) rather than at the report.
    bool inNextWrite = false;
    // The workspace folder the archive lacks.
    const char16_t* lacking = u"template";
};
void PrintTo(const Stop& s, std::ostream* os) {
    *os << s.name;
}

// Every file below the application folder but the workspace folders, by relative path.
QStringList besideTheWorkspace(const QString& app) {
    QStringList names;
    QDirIterator it(app, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = QDir(app).relativeFilePath(it.next());
        const QString top = name.section(u'/', 0, 0);
        if (std::find(backup::kWorkspaceFolders.begin(), backup::kWorkspaceFolders.end(), top) ==
            backup::kWorkspaceFolders.end())
            names << name;
    }
    names.sort();
    return names;
}

class RestoreCrash : public ::testing::TestWithParam<Stop> {
protected:
    // Restores in a child that dies at the stop; true when it died there.
    bool restoreAndDie(const QString& archive, const QString& app) {
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            const Stop stop = GetParam();
            const auto progress = [&](const backup::Progress& p) {
                if (p.step != stop.step || p.done != (stop.at < 0 ? p.total : stop.at))
                    return true;
                if (!stop.inNextWrite)
                    ::raise(SIGKILL);
                const rlimit oneByte{1, RLIM_INFINITY};
                ::setrlimit(RLIMIT_FSIZE, &oneByte); // SIGXFSZ past the first byte
                return true;
            };
            FixedClock clock;
            backup::restoreBackup(archive, app, clock, progress);
            ::_exit(0); // no destructors: the parent owns the folders
        }
        int status = 0;
        EXPECT_EQ(::waitpid(child, &status, 0), child);
        return WIFSIGNALED(status);
    }
};

// Whenever the program dies during a restore, the next start leaves the workspace wholly
// the old one, or, once every folder of the archive is in place, wholly the restored one;
// nothing of the restore stays beside it but the automatic backup of a finished restore.
TEST_P(RestoreCrash, NextStartLeavesTheOldOrTheRestoredWorkspace) {
    TempAppFolder source, app, out;
    FixedClock clock;
    writeSampleWorkspace(source.path(), 6);
    QDir(source.path(QString::fromUtf16(GetParam().lacking))).removeRecursively();
    ASSERT_EQ(backup::createBackup(source.path(), out.path(u"a.zip"_s), clock),
              backup::Outcome::Done);
    writeSampleWorkspace(app.path(), 3);
    for (QStringView folder : backup::kWorkspaceFolders) // every folder differs from the archive's
        app.writeBytes(folder.toString() + u"/後から.txt"_s, "only here");
    const QMap<QString, QByteArray> before = workspaceTree(app.path());
    const QStringList besideBefore = besideTheWorkspace(app.path());

    ASSERT_TRUE(restoreAndDie(out.path(u"a.zip"_s), app.path())) << "never reached the stop";
    const QStringList notes = backup::RepairInterruptedRestore(app.path());
    backup::waitForReplacedRemovals(); // what the restore replaced goes in the background

    const bool allInPlace = GetParam().step == Step::Replacing && GetParam().at < 0;
    if (allInPlace) {
        EXPECT_EQ(workspaceTree(app.path()), workspaceTree(source.path()));
        const QStringList beside = besideTheWorkspace(app.path());
        ASSERT_EQ(beside.size(), 2);
        EXPECT_EQ(beside.first(), u"backup"_s);
        ASSERT_EQ(notes.size(), 1);
        EXPECT_TRUE(notes.first().startsWith(u"前回中断した復元を最後まで済ませました。"_s))
            << notes.first().toStdString();
        EXPECT_TRUE(notes.first().endsWith(app.path(beside.last())));
    } else {
        EXPECT_EQ(workspaceTree(app.path()), before);
        EXPECT_EQ(besideTheWorkspace(app.path()), besideBefore);
        EXPECT_EQ(
            notes,
            QStringList{u"前回中断した復元を元に戻しました。データは復元する前のままです。"_s});
    }
    EXPECT_TRUE(backup::RepairInterruptedRestore(app.path()).isEmpty()) << "repaired twice";
}

INSTANTIATE_TEST_SUITE_P(
    Stops, RestoreCrash,
    ::testing::Values(
        Stop{"unpacking", Step::Extracting, 3},
        Stop{"writing the journal", Step::Extracting, -1, true},
        Stop{"saving the current", Step::SavingCurrent, 5},
        Stop{"writing the automatic backup", Step::SavingCurrent, 1, true},
        Stop{"before the first rename", Step::Replacing, 0},
        Stop{"ini set aside", Step::Replacing, 1}, Stop{"ini in place", Step::Replacing, 2},
        Stop{"template set aside, none to put in place", Step::Replacing, 5},
        Stop{"template none in place", Step::Replacing, 6},
        Stop{"data in place", Step::Replacing, 8}, Stop{"userdata set aside", Step::Replacing, 9},
        Stop{"every folder in place", Step::Replacing, -1},
        // Every folder of the archive is in place, the last one not yet set aside.
        Stop{"userdata lacking, data in place", Step::Replacing, 8, false, u"userdata"}));

} // namespace
