#pragma once

#include "core/workspace.h"
#include "platform/clock.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// Backups of the workspace: one ZIP archive of the seller's folders, and the restore that
// replaces the workspace with one as a whole. Failures throw platform::Error with a
// Japanese description; the caller adds its tag when it shows one.
namespace backup {

// What a backup holds. The program file and anything else in the application folder
// (earlier automatic backups among them) stay out.
inline constexpr std::array<QStringView, 5> kWorkspaceFolders = {
    core::Workspace::IniFolder, core::Workspace::TextFolder, core::Workspace::TemplateFolder,
    core::Workspace::DataFolder, core::Workspace::UserDataFolder};

// The error number of an archive that is refused (not one of ours, damaged, or holding
// something that must not be extracted); the description says which.
inline constexpr int kRefusedArchive = 321;

// The first entry of every archive this program writes; an archive without it is not ours.
inline constexpr char kMarkerName[] = "TomoeA-backup.txt";
// The marker's text: format, creation time and the number of entries that follow it.
QByteArray markerContent(const QDateTime& createdAt, qint64 entryCount);

enum class Step {
    Archiving,     // writing a backup
    Checking,      // reading an archive to see what it holds
    Extracting,    // restore: unpacking beside the workspace
    SavingCurrent, // restore: the automatic backup of the current workspace
    Replacing,     // restore: putting the unpacked folders in place
};
// The label of a progress dialog for `step`.
QString stepLabel(Step step);

struct Progress {
    Step step;
    qint64 done;
    qint64 total; // may be smaller than done for an archive whose marker undercounts
};
// Called after every file and folder; returning false cancels the work. A platform::Error
// thrown from here fails the work like any other error.
using ProgressCallback = std::function<bool(const Progress&)>;

enum class Outcome { Done, Cancelled };

// "TomoeA-backup-YYYYMMDD-HHMMSS.zip" for the local time `time`.
QString defaultBackupFileName(const QDateTime& time);

// Writes the workspace of `applicationFolder` to a ZIP archive at `archivePath`: a file
// beside it is written and renamed over it only when complete, so a failure or a cancel
// leaves no archive behind and an existing file at `archivePath` as it was. File contents
// are stored untouched, names in UTF-8 with the UTF-8 flag set. The archive is readable by
// its owner only, since it holds the password file. A target inside one of the workspace
// folders is refused.
Outcome createBackup(const QString& applicationFolder, const QString& archivePath,
                     const platform::Clock& clock, const ProgressCallback& progress = {});

struct BackupSummary {
    QDateTime createdAt;
    // Finished and listed entries of the archived listing index.
    int listingCount = 0;
    // When the newest of them was saved; nothing when there are none.
    std::optional<QDateTime> newestListing;
};

// Reads the whole archive, refusing it (kRefusedArchive) when it is not ours, is damaged, or
// holds an unsafe entry: a path leaving its folder ("../", absolute), a link, a device file,
// or anything outside the workspace folders. Nothing when cancelled.
std::optional<BackupSummary> inspectBackup(const QString& archivePath,
                                           const ProgressCallback& progress = {});

// The question to ask before a restore of an archive with this summary.
QString restoreQuestion(const BackupSummary& summary);

// Where the restore keeps its automatic backups: a folder of the application folder that
// is not part of the workspace.
inline constexpr QStringView kAutomaticBackupFolder = u"backup";

struct RestoreResult {
    Outcome outcome = Outcome::Cancelled;
    // The automatic backup of the workspace as it was before; empty unless Done.
    QString automaticBackup;
};

// The most a restore unpacks, whatever the free space: 4 GB.
inline constexpr qint64 kMaxUnpackedSize = qint64(4) << 30;
// The free space of the file system of `applicationFolder`, at most kMaxUnpackedSize.
qint64 unpackedSizeLimit(const QString& applicationFolder);

// An archive that checkRestoreTarget() found fit to restore.
struct CheckedArchive {
    QString path;
    qint64 unpackedSize = 0; // as its entries' headers state
};

// Refuses, before anything is written, a read-only workspace and an archive whose entries
// add up to more than `sizeLimit` (by default unpackedSizeLimit()), each in words a seller
// understands. The window asks it before its question.
CheckedArchive checkRestoreTarget(const QString& archivePath, const QString& applicationFolder,
                                  std::optional<qint64> sizeLimit = std::nullopt);

// Replaces the workspace folders with those of the archive checked by checkRestoreTarget().
// The archive is unpacked and checked in a folder beside the workspace while the current
// workspace is saved to an automatic backup, then the folders are swapped; a refusal, failure
// or cancel at any point leaves the workspace as it was (and no automatic backup). An archive
// that has grown since it was checked is refused. Folders that are not in the archive are
// missing afterwards, as the archive describes the whole workspace. The password file is the
// owner's alone.
RestoreResult restoreBackup(const CheckedArchive& archive, const QString& applicationFolder,
                            const platform::Clock& clock, const ProgressCallback& progress = {});
// The same, checking the archive first.
RestoreResult restoreBackup(const QString& archivePath, const QString& applicationFolder,
                            const platform::Clock& clock, const ProgressCallback& progress = {},
                            std::optional<qint64> sizeLimit = std::nullopt);

// Puts in order what a restore cut short by a crash left beside the workspace: when every
// folder of the archive had been put in place, the restore is finished; otherwise every
// workspace folder goes back to how it was before the restore. What the seller is told, one
// text for each restore found; never throws.
QStringList RepairInterruptedRestore(const QString& applicationFolder);

// Every repair a start needs after a crash, before anything else reads the workspace: an
// interrupted restore first, since it decides which folders are the workspace, then the
// listing data (storage::RepairInterruptedWork). The one message for the seller, or empty.
QString RepairInterruptedWork(const QString& applicationFolder);

} // namespace backup
