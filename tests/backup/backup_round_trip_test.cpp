#include "backup/backup.h"
#include "fixed_clock.h"
#include "sample_workspace.h"
#include "temp_app_folder.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace Qt::StringLiterals;
using backup::Outcome;

// Names the differing files instead of printing two trees of binary data.
void expectSameTree(const QMap<QString, QByteArray>& actual,
                    const QMap<QString, QByteArray>& expected) {
    EXPECT_EQ(actual.keys(), expected.keys());
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_TRUE(actual.value(it.key()) == it.value()) << it.key().toStdString();
}

// The central directory's names with their UTF-8 flags: what other archive tools list.
QList<std::pair<QByteArray, bool>> zipNames(const QByteArray& zip) {
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(zip.data() + at); };
    const qsizetype end = zip.lastIndexOf("PK\x05\x06");
    QList<std::pair<QByteArray, bool>> names;
    qsizetype at = end < 0 ? zip.size() : qFromLittleEndian<quint32>(zip.data() + end + 16);
    for (; zip.mid(at, 4) == "PK\x01\x02"; at += 46 + u16(at + 28) + u16(at + 30) + u16(at + 32))
        names.append({zip.mid(at + 46, u16(at + 28)), (u16(at + 8) & 0x0800) != 0});
    return names;
}

TEST(BackupRoundTrip, RestoreIntoAnEmptyFolderGivesEveryFileBackByteForByte) {
    TempAppFolder original, restored, out;
    FixedClock clock;
    const QDateTime newest = writeSampleWorkspace(original.path(), 1000);
    const QString archive = out.path(u"TomoeA-backup.zip"_s);
    backup::Progress last{};
    const auto progress = [&](const backup::Progress& p) {
        last = p;
        return true;
    };
    ASSERT_EQ(backup::createBackup(original.path(), archive, clock, progress), Outcome::Done);
    EXPECT_EQ(last.done, last.total); // the total shown is what was written

    const auto names = zipNames(out.readBytes(u"TomoeA-backup.zip"_s));
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.first().first, backup::kMarkerName);
    EXPECT_TRUE(names.contains(std::pair(u"data/下書き.dat"_s.toUtf8(), true)));

    const std::optional<backup::BackupSummary> summary = backup::inspectBackup(archive);
    ASSERT_TRUE(summary);
    // The draft, saved later than every listing, is neither counted nor the newest.
    EXPECT_EQ(summary->listingCount, 1000);
    EXPECT_EQ(summary->newestListing, newest);
    EXPECT_EQ(summary->createdAt, clock.time);

    ASSERT_EQ(backup::restoreBackup(archive, restored.path(), clock).outcome, Outcome::Done);
    expectSameTree(workspaceTree(restored.path()), workspaceTree(original.path()));
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(restored.path(u"ini/psbin.dat"_s)).data(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u); // the password file stays private
}

TEST(BackupRoundTrip, RestoreReplacesTheWholeWorkspaceAndKeepsTheOldOneAside) {
    TempAppFolder source, app, check, out;
    FixedClock clock;
    writeSampleWorkspace(source.path(), 3);
    ASSERT_EQ(backup::createBackup(source.path(), out.path(u"a.zip"_s), clock), Outcome::Done);
    writeSampleWorkspace(app.path(), 4);
    for (QStringView folder : backup::kWorkspaceFolders) // every folder differs from the archive's
        app.writeBytes(folder.toString() + u"/後から.txt"_s, "only here");
    app.writeBytes(u"TomoeA"_s, "the program"); // outside the workspace
    const QMap<QString, QByteArray> before = workspaceTree(app.path());

    const auto result = backup::restoreBackup(out.path(u"a.zip"_s), app.path(), clock);
    ASSERT_EQ(result.outcome, Outcome::Done);
    expectSameTree(workspaceTree(app.path()), workspaceTree(source.path()));
    EXPECT_EQ(app.readBytes(u"TomoeA"_s), "the program");
    EXPECT_EQ(result.automaticBackup, app.path(u"backup/TomoeA-backup-20240105-093000.zip"_s));

    ASSERT_EQ(backup::restoreBackup(result.automaticBackup, check.path(), clock).outcome,
              Outcome::Done);
    expectSameTree(workspaceTree(check.path()), before);
}

// The automatic backup is written alongside the unpacking, yet the seller sees the steps one
// after another, and its count goes up one file at a time to all it holds.
TEST(BackupRoundTrip, RestoreReportsItsStepsInTurn) {
    TempAppFolder source, app, out;
    FixedClock clock;
    writeSampleWorkspace(source.path(), 3);
    ASSERT_EQ(backup::createBackup(source.path(), out.path(u"a.zip"_s), clock), Outcome::Done);
    writeSampleWorkspace(app.path(), 40);
    qint64 workspaceEntries = 0;
    ASSERT_EQ(backup::createBackup(app.path(), out.path(u"b.zip"_s), clock,
                                   [&](const backup::Progress& p) {
                                       workspaceEntries = p.done;
                                       return true;
                                   }),
              Outcome::Done);

    std::vector<backup::Progress> reports;
    const auto result =
        backup::restoreBackup(out.path(u"a.zip"_s), app.path(), clock, [&](const auto& p) {
            reports.push_back(p);
            return true;
        });
    ASSERT_EQ(result.outcome, Outcome::Done);
    ASSERT_FALSE(reports.empty());
    qint64 saved = 0;
    for (std::size_t i = 1; i < reports.size(); ++i) {
        const backup::Progress& before = reports[i - 1];
        const backup::Progress& now = reports[i];
        ASSERT_LE(int(before.step), int(now.step)) << "report " << i;
        if (now.step == backup::Step::SavingCurrent) {
            // The same count again only while one file takes long.
            ASSERT_GE(now.done, saved) << "report " << i;
            ASSERT_LE(now.done - saved, 1) << "report " << i;
            saved = now.done;
        }
    }
    EXPECT_EQ(saved, workspaceEntries);
    EXPECT_EQ(reports.back().step, backup::Step::Replacing);
}

} // namespace
