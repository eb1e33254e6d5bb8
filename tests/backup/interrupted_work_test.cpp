#include "backup/backup.h"
#include "backup/replaced_removal.h"
#include "fixed_clock.h"
#include "platform/error.h"
#include "sample_workspace.h"
#include "temp_app_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using backup::Outcome;
using backup::Step;

QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

struct Stop {
    const char* name;
    Step step;
    qint64 at; // -1: the last report of that step
    bool cancel;
};
void PrintTo(const Stop& s, std::ostream* os) {
    *os << s.name;
}

// Runs `work` with a progress that cancels or fails (as a full disk would) at one report.
void interrupt(const Stop& stop, const std::function<Outcome(backup::ProgressCallback)>& work) {
    bool reached = false;
    const auto progress = [&](const backup::Progress& p) {
        if (p.step != stop.step || p.done != (stop.at < 0 ? p.total : stop.at))
            return true;
        reached = true;
        if (stop.cancel)
            return false;
        throw platform::Error::fromNumber(platform::ErrorNumber::DiskFull);
    };
    if (stop.cancel)
        EXPECT_EQ(work(progress), Outcome::Cancelled);
    else
        EXPECT_THROW(work(progress), platform::Error);
    EXPECT_TRUE(reached);
}

class InterruptedBackup : public ::testing::TestWithParam<Stop> {};

TEST_P(InterruptedBackup, LeavesNoArchiveAndAnEarlierFileAsItWas) {
    TempAppFolder app, out;
    FixedClock clock;
    writeSampleWorkspace(app.path(), 10);
    out.writeBytes(u"kept.zip"_s, "an earlier file of that name");
    interrupt(GetParam(), [&](auto progress) {
        return backup::createBackup(app.path(), out.path(u"kept.zip"_s), clock, progress);
    });
    EXPECT_EQ(entriesOf(out.path()), QStringList{u"kept.zip"_s});
    EXPECT_EQ(out.readBytes(u"kept.zip"_s), "an earlier file of that name");
}

INSTANTIATE_TEST_SUITE_P(Stops, InterruptedBackup,
                         ::testing::Values(Stop{"cancel at last", Step::Archiving, -1, true},
                                           Stop{"fail midway", Step::Archiving, 20, false}));

class InterruptedRestore : public ::testing::TestWithParam<Stop> {};

TEST_P(InterruptedRestore, LeavesTheWorkspaceAsItWas) {
    TempAppFolder source, app, out;
    FixedClock clock;
    writeSampleWorkspace(source.path(), 20);
    ASSERT_EQ(backup::createBackup(source.path(), out.path(u"a.zip"_s), clock), Outcome::Done);
    writeSampleWorkspace(app.path(), 5);
    for (QStringView folder : backup::kWorkspaceFolders) // every folder differs from the archive's
        app.writeBytes(folder.toString() + u"/後から.txt"_s, "only here");
    const QMap<QString, QByteArray> before = workspaceTree(app.path());
    const QStringList entriesBefore = entriesOf(app.path());
    interrupt(GetParam(), [&](auto progress) {
        return backup::restoreBackup(out.path(u"a.zip"_s), app.path(), clock, progress).outcome;
    });
    backup::waitForReplacedRemovals(); // the unpacked files go in the background
    EXPECT_EQ(workspaceTree(app.path()), before);
    EXPECT_EQ(entriesOf(app.path()), entriesBefore); // no unpacked files, no automatic backup
}

INSTANTIATE_TEST_SUITE_P(
    Stops, InterruptedRestore,
    ::testing::Values(Stop{"cancel while unpacking", Step::Extracting, 10, true},
                      Stop{"fail while unpacking", Step::Extracting, 10, false},
                      Stop{"fail while saving the current", Step::SavingCurrent, 10, false},
                      Stop{"cancel after the first folder", Step::Replacing, 1, true},
                      Stop{"fail after the last folder", Step::Replacing, -1, false}));

// The archive would otherwise take in its own half-written self.
struct TargetCase {
    const char* name;
    const char* relative; // to the application folder
    bool refused;
};
void PrintTo(const TargetCase& c, std::ostream* os) {
    *os << c.relative;
}
class BackupTarget : public ::testing::TestWithParam<TargetCase> {};

TEST_P(BackupTarget, IsRefusedOnlyInsideAWorkspaceFolder) {
    TempAppFolder app;
    FixedClock clock;
    writeSampleWorkspace(app.path(), 2);
    const QString target = app.path(QString::fromUtf8(GetParam().relative));
    QDir().mkpath(QFileInfo(target).path());
    const QMap<QString, QByteArray> before = workspaceTree(app.path());
    if (GetParam().refused) {
        EXPECT_THROW(backup::createBackup(app.path(), target, clock), platform::Error);
        EXPECT_EQ(workspaceTree(app.path()), before);
    } else {
        EXPECT_EQ(backup::createBackup(app.path(), target, clock), backup::Outcome::Done);
        EXPECT_TRUE(QFile::exists(target));
    }
}
INSTANTIATE_TEST_SUITE_P(Targets, BackupTarget,
                         ::testing::Values(TargetCase{"InData", "data/a.zip", true},
                                           TargetCase{"Deeper", "userdata/after/a.zip", true},
                                           TargetCase{"InASubfolder", "template/画像/a.zip", true},
                                           TargetCase{"BesideTheFolders", "a.zip", false},
                                           TargetCase{"NamedLikeOne", "database/a.zip", false}),
                         [](const auto& info) { return info.param.name; });

} // namespace
