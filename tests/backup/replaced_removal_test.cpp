#include "backup/backup.h"
#include "backup/replaced_removal.h"
#include "fixed_clock.h"
#include "platform/error.h"
#include "sample_workspace.h"
#include "temp_app_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

QStringList hiddenFolders(const QString& app) {
    return QDir(app).entryList({u".*"_s}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
}

// The restore hands the window back once the folders are in place: what it replaced is
// renamed aside and goes in the background, leaving the restored workspace alone.
TEST(ReplacedRemoval, ARestoreLeavesOnlyReplacedFoldersThatGoAfterwards) {
    TempAppFolder source, app, out;
    FixedClock clock;
    writeSampleWorkspace(source.path(), 3);
    ASSERT_EQ(backup::createBackup(source.path(), out.path(u"a.zip"_s), clock),
              backup::Outcome::Done);
    writeSampleWorkspace(app.path(), 200);

    ASSERT_EQ(backup::restoreBackup(out.path(u"a.zip"_s), app.path(), clock).outcome,
              backup::Outcome::Done);
    for (const QString& name : hiddenFolders(app.path()))
        EXPECT_TRUE(name.startsWith(QLatin1StringView(backup::kReplacedPrefix)))
            << name.toStdString();
    backup::waitForReplacedRemovals();
    EXPECT_EQ(hiddenFolders(app.path()), QStringList{});
    EXPECT_EQ(workspaceTree(app.path()), workspaceTree(source.path()));
}

// A run that ended in the middle of a removal leaves the rest; the next start removes it
// without a word, and nothing else that merely looks alike.
TEST(ReplacedRemoval, LeftoversGoSilentlyAtTheNextStart) {
    TempAppFolder app;
    writeSampleWorkspace(app.path(), 2);
    app.writeBytes(u".tomoea-replaced-a1B2c3/old/data/1.dat"_s, "left");
    app.writeBytes(u".tomoea-replaced-a1B2c3/restore.journal"_s, "TomoeA restore\n");
    app.writeBytes(u".tomoea-replaced-Zz9/keep.txt"_s, "not one of ours");
    app.writeBytes(u".tomoea-replacedXabcdef/keep.txt"_s, "not one of ours");
    const QMap<QString, QByteArray> workspace = workspaceTree(app.path());

    EXPECT_EQ(backup::RepairInterruptedRestore(app.path()), QStringList{});
    backup::waitForReplacedRemovals();
    EXPECT_EQ(hiddenFolders(app.path()),
              (QStringList{u".tomoea-replaced-Zz9"_s, u".tomoea-replacedXabcdef"_s}));
    EXPECT_EQ(workspaceTree(app.path()), workspace);
}

TEST(ReplacedRemoval, AFolderThatCannotBeSetAsideStaysAndLeavesNothingBehind) {
    TempAppFolder app;
    EXPECT_THROW(backup::setReplacedAside(app.path(), app.path(u"missing"_s)), platform::Error);
    EXPECT_EQ(hiddenFolders(app.path()), QStringList{});
}

} // namespace
