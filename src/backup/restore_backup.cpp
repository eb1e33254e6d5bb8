#include "automatic_backup.h"
#include "backup.h"
#include "backup_reader.h"
#include "core/workspace.h"
#include "early_flush.h"
#include "platform/native_file.h"
#include "restore_staging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace backup {
namespace {

using platform::Error;

QString shown(const QByteArray& path) {
    return QFile::decodeName(path);
}

bool exists(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0;
}

void makeFolder(const QByteArray& path) {
    if (::mkdir(path.constData(), 0777) != 0 && errno != EEXIST)
        throw Error::fromErrno(errno, shown(path));
}

void renameOrThrow(const QByteArray& from, const QByteArray& to) {
    if (::rename(from.constData(), to.constData()) != 0)
        throw Error::fromErrno(errno, shown(from));
}

// The process's umask, read without setting it, which umask() would do for every thread;
// when it cannot be read, every file has its mode set on its own.
mode_t currentUmask() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            bool ok = false;
            const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
            if (line.startsWith("Umask:") && ok)
                return mode_t(mask);
        }
    }
    return 0777;
}

void writeFile(BackupReader& reader, const QByteArray& path, const ArchivedEntry& entry,
               mode_t umask, QByteArray& buffer) {
    // The owner always keeps reading and writing its own files; the password file is the
    // owner's alone, whatever the archive says.
    const bool ownerOnly = entry.path == core::Workspace::PasswordFile.toUtf8();
    const mode_t mode = ownerOnly ? 0600 : mode_t(entry.permissions | 0600);
    // O_EXCL: a name that comes twice would otherwise let the second copy win unseen.
    int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0 && errno == EEXIST)
        throw refusal(QStringLiteral("バックアップに同じ名前の項目が重複しています: %1")
                          .arg(QString::fromUtf8(entry.path)));
    if (fd < 0)
        throw Error::fromErrno(errno, shown(path));
    const auto closeOnFailure = qScopeGuard([&fd] {
        if (fd >= 0)
            ::close(fd);
    });
    while (const qint64 n = reader.read(buffer.data(), buffer.size())) {
        for (qint64 written = 0; written < n;) {
            const ssize_t w = ::write(fd, buffer.constData() + written, size_t(n - written));
            if (w < 0 && errno != EINTR)
                throw Error::fromErrno(errno, shown(path));
            written += std::max<ssize_t>(w, 0);
        }
    }
    // The mode was set by open() unless the umask took some of it away.
    const bool modeSet = (mode & ~umask) == mode;
    const timespec times[2] = {{0, UTIME_OMIT}, {time_t(entry.modified), 0}};
    if ((!modeSet && ::fchmod(fd, mode) != 0) || ::futimens(fd, times) != 0 ||
        ::close(std::exchange(fd, -1)) != 0)
        throw Error::fromErrno(errno, shown(path));
}

// Unpacks the archive into `target`; every entry is checked by the reader before it is
// written, and no more than the checked size is written. False when cancelled.
bool unpack(const CheckedArchive& archive, const QByteArray& target,
            const ProgressCallback& progress) {
    BackupReader reader(archive.path);
    QByteArray buffer(platform::kFileBlockSize, Qt::Uninitialized);
    const mode_t umask = currentUmask();
    // Folders come before their files in our archives; another order still unpacks. Those
    // made are remembered, as files of one folder need not come together.
    QSet<QByteArray> made{target};
    const auto makeFolders = [&](const QByteArray& folder) {
        if (made.contains(folder))
            return;
        for (qsizetype slash = folder.indexOf('/', target.size() + 1);;
             slash = folder.indexOf('/', slash + 1)) {
            const QByteArray upTo = slash < 0 ? folder : folder.left(slash);
            if (!made.contains(upTo)) {
                makeFolder(upTo);
                made.insert(upTo);
            }
            if (slash < 0)
                return;
        }
    };
    qint64 done = 0;
    qint64 size = 0;
    while (const std::optional<ArchivedEntry> entry = reader.next()) {
        // The file may have been replaced since it was checked.
        if ((size += entry->size) > archive.unpackedSize)
            throw refusal(QStringLiteral("バックアップのファイルが、確かめた後に変わりました。"
                                         "もう一度復元してください。"));
        const QByteArray path = target + '/' + entry->path;
        if (entry->isFolder) {
            makeFolders(path);
        } else {
            makeFolders(path.left(path.lastIndexOf('/')));
            writeFile(reader, path, *entry, umask, buffer);
        }
        if (!proceed(progress, {Step::Extracting, ++done, reader.entryCount()}))
            return false;
    }
    return true;
}

// Unpacks into the staging folder and has it all on the disk before any folder moves. False
// when cancelled.
bool unpackToDisk(const CheckedArchive& archive, const Staging& staging,
                  const ProgressCallback& progress) {
    {
        // Written out while more is unpacked: the sync then has little left to wait for.
        const EarlyFlush flushing(staging.unpacked());
        if (!unpack(archive, staging.unpacked(), progress))
            return false;
    }
    staging.sync();
    return true;
}

QString automaticBackupPath(const QString& applicationFolder, const QDateTime& now) {
    const QString folder = applicationFolder + u'/' + kAutomaticBackupFolder.toString();
    makeFolder(platform::nativePath(folder));
    const QString name = defaultBackupFileName(now);
    QString path = folder + u'/' + name;
    for (int n = 2; QFile::exists(path); ++n)
        path = folder + u'/' + name.chopped(4) + u'-' + QString::number(n) + QStringLiteral(".zip");
    return path;
}

// What the archive unpacks to, from the sizes its headers state (the reader holds every entry
// to its stated size while unpacking).
qint64 unpackedSize(const QString& archivePath) {
    BackupReader reader(archivePath);
    qint64 total = 0;
    while (const std::optional<ArchivedEntry> entry = reader.next())
        total += entry->size;
    return total;
}

// What the archive unpacks to, when that is no more than `limit`.
qint64 refuseWhatDoesNotFit(const QString& archivePath, qint64 limit) {
    const qint64 needed = unpackedSize(archivePath);
    if (needed <= limit)
        return needed;
    const auto megabytes = [](qint64 bytes) { return QString::number((bytes + 999999) / 1000000); };
    throw Error(platform::ErrorNumber::DiskFull,
                QStringLiteral("バックアップを展開する空き容量が足りません。"
                               "（展開すると %1 MB、使えるのは %2 MB までです）")
                    .arg(megabytes(needed), megabytes(limit)));
}

// A read-only workspace fails at the first write with an error number that means nothing to
// a seller; it is found before anything is written and said plainly.
void refuseReadOnlyWorkspace(const QString& applicationFolder) {
    QList<QByteArray> paths{platform::nativePath(applicationFolder)};
    for (QStringView folder : kWorkspaceFolders)
        paths << platform::nativePath(applicationFolder + u'/' + folder.toString());
    for (const QByteArray& path : std::as_const(paths)) {
        if (::access(path.constData(), W_OK) == 0 || errno == ENOENT)
            continue;
        if (errno != EROFS && errno != EACCES && errno != EPERM)
            throw Error::fromErrno(errno, shown(path));
        throw Error(Error::fromErrno(errno, shown(path)).number(),
                    QStringLiteral("データのフォルダーに書き込めないため、復元できません。"));
    }
}

// Swaps the workspace folders for the unpacked ones, one rename at a time, remembering
// each so the whole can be undone.
class FolderSwap {
public:
    FolderSwap(const QString& applicationFolder, const Staging& staging)
        : m_workspace(platform::nativePath(applicationFolder)), m_unpacked(staging.unpacked()),
          m_setAside(staging.setAside()) {}

    void setAside(QStringView folder) {
        m_steps.push_back({folder.toUtf8()});
        Step& step = m_steps.back();
        if (exists(current(step))) {
            renameOrThrow(current(step), m_setAside + '/' + step.folder);
            step.setAside = true;
        }
    }
    void install() {
        Step& step = m_steps.back();
        if (exists(m_unpacked + '/' + step.folder)) {
            renameOrThrow(m_unpacked + '/' + step.folder, current(step));
            step.installed = true;
        }
    }

    // Puts every folder back; false when some rename failed.
    bool undo() {
        bool complete = true;
        for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step) {
            if (step->installed)
                complete &= ::rename(current(*step).constData(),
                                     (m_unpacked + '/' + step->folder).constData()) == 0;
            if (step->setAside)
                complete &= ::rename((m_setAside + '/' + step->folder).constData(),
                                     current(*step).constData()) == 0;
        }
        m_steps.clear();
        return complete;
    }

private:
    struct Step {
        QByteArray folder;
        bool setAside = false;
        bool installed = false;
    };
    QByteArray current(const Step& step) const { return m_workspace + '/' + step.folder; }

    QByteArray m_workspace;
    QByteArray m_unpacked;
    QByteArray m_setAside;
    std::vector<Step> m_steps;
};

// The workspace folders the unpacked archive brings.
QStringList unpackedFolders(const Staging& staging) {
    QStringList folders;
    for (QStringView folder : kWorkspaceFolders) {
        if (exists(staging.unpacked() + '/' + folder.toUtf8()))
            folders << folder.toString();
    }
    return folders;
}

} // namespace

qint64 unpackedSizeLimit(const QString& applicationFolder) {
    struct statvfs info {};
    if (::statvfs(platform::nativePath(applicationFolder).constData(), &info) != 0)
        throw Error::fromErrno(errno, applicationFolder);
    return std::min<qint64>(qint64(info.f_bavail) * qint64(info.f_frsize), kMaxUnpackedSize);
}

CheckedArchive checkRestoreTarget(const QString& archivePath, const QString& applicationFolder,
                                  std::optional<qint64> sizeLimit) {
    const QString app = QDir::cleanPath(applicationFolder);
    refuseReadOnlyWorkspace(app);
    return {archivePath,
            refuseWhatDoesNotFit(archivePath, sizeLimit ? *sizeLimit : unpackedSizeLimit(app))};
}

RestoreResult restoreBackup(const QString& archivePath, const QString& applicationFolder,
                            const platform::Clock& clock, const ProgressCallback& progress,
                            std::optional<qint64> sizeLimit) {
    return restoreBackup(checkRestoreTarget(archivePath, applicationFolder, sizeLimit),
                         applicationFolder, clock, progress);
}

RestoreResult restoreBackup(const CheckedArchive& archive, const QString& applicationFolder,
                            const platform::Clock& clock, const ProgressCallback& progress) {
    const QString app = QDir::cleanPath(applicationFolder);
    refuseReadOnlyWorkspace(app);
    const QString automatic = automaticBackupPath(app, clock.now());
    // Unless the restore goes through, the workspace ends as it was and the automatic backup
    // has nothing to keep; it stays only when the folders could not be put back.
    bool keepAutomatic = false;
    const auto tidy = qScopeGuard([&] {
        if (!keepAutomatic) {
            QFile::remove(automatic);
            ::rmdir(platform::nativePath(QFileInfo(automatic).path()).constData()); // when empty
        }
    });
    // Written alongside the unpacking, which does not touch the workspace.
    AutomaticBackup saving(app, automatic, clock);
    Staging staging(app);
    const auto unpacking = [&](const Progress& p) {
        saving.throwIfFailed();
        return proceed(progress, p);
    };
    if (!unpackToDisk(archive, staging, unpacking)) {
        staging.discard();
        return {};
    }

    // From here on a start after a crash finds the journal and puts the workspace in order.
    staging.writeJournal({automatic, unpackedFolders(staging)});
    if (!saving.finish(progress)) {
        staging.discard();
        return {};
    }

    FolderSwap swap(app, staging);
    const auto rollBack = [&] {
        if (swap.undo())
            return;
        keepAutomatic = true;
        staging.keep();
        throw Error(platform::ErrorNumber::PathFileAccessError,
                    QStringLiteral("復元を途中でやめましたが、作業フォルダーを元に戻せませんでし"
                                   "た。元のデータは %1 にあります（%2 にも残っています）。")
                        .arg(automatic, staging.path()));
    };
    // Two renames for each folder: set the current one aside, put the unpacked one in place.
    const qint64 renames = 2 * qint64(kWorkspaceFolders.size());
    qint64 done = 0;
    const auto renamed = [&] { return proceed(progress, {Step::Replacing, done++, renames}); };
    bool cancelled = false;
    try {
        cancelled = !renamed();
        for (auto folder = kWorkspaceFolders.begin();
             !cancelled && folder != kWorkspaceFolders.end(); ++folder) {
            swap.setAside(*folder);
            if ((cancelled = !renamed()))
                break;
            swap.install();
            cancelled = !renamed();
        }
    } catch (...) {
        rollBack();
        throw;
    }
    if (cancelled) {
        rollBack();
        staging.discard();
        return {};
    }
    keepAutomatic = true;
    staging.discard();
    return {Outcome::Done, automatic};
}

} // namespace backup
