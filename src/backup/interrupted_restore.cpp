#include "backup.h"
#include "platform/error.h"
#include "platform/native_file.h"
#include "replaced_removal.h"
#include "restore_staging.h"
#include "storage/interrupted_work.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>
#include <unistd.h>

namespace backup {
namespace {

bool exists(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0;
}

bool brings(const RestoreJournal& journal, QStringView folder) {
    return journal.folders.contains(folder.toString());
}

// The swap's last rename was made: every folder the archive brings has left new/ for the
// workspace, and every other workspace folder is set aside.
bool swapComplete(const QByteArray& workspace, const QByteArray& staging,
                  const RestoreJournal& journal) {
    for (QStringView folder : kWorkspaceFolders) {
        const QByteArray name = folder.toUtf8();
        const bool inPlace = exists(workspace + '/' + name);
        if (brings(journal, folder) ? !inPlace || exists(Staging::unpackedIn(staging) + '/' + name)
                                    : inPlace)
            return false;
    }
    return true;
}

// Puts the set-aside folders back, last first, after taking away the unpacked ones that were
// put in their place. Without a journal the swap never began and nothing moves. False when
// a folder could not be put back.
bool rollBack(const QByteArray& workspace, const QByteArray& staging,
              const RestoreJournal& journal) {
    bool complete = true;
    for (auto folder = kWorkspaceFolders.rbegin(); folder != kWorkspaceFolders.rend(); ++folder) {
        const QByteArray name = folder->toUtf8();
        const QByteArray current = workspace + '/' + name;
        const QByteArray unpacked = Staging::unpackedIn(staging) + '/' + name;
        const QByteArray setAside = Staging::setAsideIn(staging) + '/' + name;
        // What is in place came from the archive when the original waits in old/, or when the
        // archive brings that folder and it is no longer in new/.
        const bool installed =
            exists(current) && !exists(unpacked) && (exists(setAside) || brings(journal, *folder));
        if (installed && ::rename(current.constData(), unpacked.constData()) != 0)
            complete = false;
        if (exists(setAside) &&
            (exists(current) || ::rename(setAside.constData(), current.constData()) != 0))
            complete = false;
    }
    return complete;
}

// Renamed aside, to be removed with the other leftovers; removed here when it cannot be.
void setAsideForRemoval(const QString& applicationFolder, const QByteArray& staging) {
    try {
        setReplacedAside(applicationFolder, QFile::decodeName(staging));
    } catch (const platform::Error&) {
        removeStaging(staging);
    }
}

QString repair(const QString& applicationFolder, const QByteArray& staging) {
    const QByteArray workspace = platform::nativePath(applicationFolder);
    const std::optional<RestoreJournal> journal = readJournal(staging);
    const RestoreJournal steps = journal.value_or(RestoreJournal{});
    const QString left = QDir::toNativeSeparators(QFile::decodeName(staging));
    if (journal && swapComplete(workspace, staging, steps)) {
        setAsideForRemoval(applicationFolder, staging);
        return QStringLiteral("前回中断した復元を最後まで済ませました。\n復元する前のデータは次の"
                              "ファイルにバックアップしてあります。\n%1")
            .arg(QDir::toNativeSeparators(steps.automaticBackup));
    }
    if (!rollBack(workspace, staging, steps))
        return QStringLiteral("前回中断した復元を元に戻せませんでした。元のデータは %1 に残って"
                              "います。")
            .arg(left);
    // As after a cancel: the workspace is as it was, so its automatic backup goes too.
    if (!steps.automaticBackup.isEmpty())
        QFile::remove(steps.automaticBackup);
    setAsideForRemoval(applicationFolder, staging);
    return QStringLiteral("前回中断した復元を元に戻しました。データは復元する前のままです。");
}

} // namespace

QStringList RepairInterruptedRestore(const QString& applicationFolder) {
    const QString app = QDir::cleanPath(applicationFolder);
    QStringList notes;
    const QStringList stagings =
        QDir(app).entryList({QString::fromLatin1(kStagingPrefix) + QStringLiteral("??????")},
                            QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : stagings)
        notes << repair(app, platform::nativePath(app + u'/' + name));
    // What an earlier run had not finished removing goes without a word.
    removeLeftoverReplaced(app);
    // An automatic backup cut short leaves its temporary file, and the restore that made the
    // folder for it leaves the folder.
    const QString automatic = app + u'/' + kAutomaticBackupFolder.toString();
    storage::removeStrayTemporaries(automatic);
    if (!stagings.isEmpty())
        QDir(app).rmdir(kAutomaticBackupFolder.toString()); // when empty
    return notes;
}

QString RepairInterruptedWork(const QString& applicationFolder) {
    QStringList notes = RepairInterruptedRestore(applicationFolder);
    notes += storage::RepairInterruptedWork(storage::Storage{core::Workspace{applicationFolder}});
    return notes.join(u'\n');
}

} // namespace backup
