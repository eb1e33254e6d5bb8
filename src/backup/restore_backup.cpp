#include "backup.h"
#include "backup_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace backup {
namespace {

using platform::Error;

constexpr qsizetype kBlockSize = 64 * 1024;

QString shown(const QByteArray& nativePath) {
    return QFile::decodeName(nativePath);
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

// The folder the archive is unpacked into. It sits in the application folder, so it is on
// the same file system and the swap is a handful of renames. Removed unless kept.
class Staging {
public:
    explicit Staging(const QString& applicationFolder) {
        m_path = QFile::encodeName(applicationFolder) + "/.tomoea-restore-XXXXXX";
        if (!::mkdtemp(m_path.data()))
            throw Error::fromErrno(errno, applicationFolder);
        makeFolder(unpacked());
        makeFolder(setAside());
    }
    ~Staging() {
        if (!m_kept)
            QDir(shown(m_path)).removeRecursively();
    }
    Staging(const Staging&) = delete;
    Staging& operator=(const Staging&) = delete;

    QByteArray unpacked() const { return m_path + "/new"; }
    QByteArray setAside() const { return m_path + "/old"; }
    QString path() const { return shown(m_path); }
    void keep() { m_kept = true; }

    // The unpacked files reach the disk before any workspace folder is moved, so a crash
    // during the swap cannot lose the old and the new contents both.
    void sync() const {
        const int fd = ::open(m_path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0 || ::syncfs(fd) != 0) {
            const int error = errno;
            if (fd >= 0)
                ::close(fd);
            throw Error::fromErrno(error, path());
        }
        ::close(fd);
    }

private:
    QByteArray m_path;
    bool m_kept = false;
};

void writeFile(BackupReader& reader, const QByteArray& path, const ArchivedEntry& entry,
               QByteArray& buffer) {
    // O_EXCL: a name that comes twice would otherwise let the second copy win unseen.
    int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
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
    // The owner always keeps reading and writing its own files.
    const timespec times[2] = {{0, UTIME_OMIT}, {time_t(entry.modified), 0}};
    if (::fchmod(fd, mode_t(entry.permissions | 0600)) != 0 || ::futimens(fd, times) != 0 ||
        ::close(std::exchange(fd, -1)) != 0)
        throw Error::fromErrno(errno, shown(path));
}

// Unpacks the archive into `target`; every entry is checked by the reader before it is
// written. False when cancelled.
bool unpack(const QString& archivePath, const QByteArray& target,
            const ProgressCallback& progress) {
    BackupReader reader(archivePath);
    QByteArray buffer(kBlockSize, Qt::Uninitialized);
    QByteArray lastParent;
    qint64 done = 0;
    while (const std::optional<ArchivedEntry> entry = reader.next()) {
        const QByteArray path = target + '/' + entry->path;
        // Folders come before their files in our archives; another order still unpacks.
        const QByteArray parent = path.left(path.lastIndexOf('/'));
        if (parent != lastParent) {
            for (qsizetype slash = target.size(); (slash = path.indexOf('/', slash + 1)) > 0;)
                makeFolder(path.left(slash));
            lastParent = parent;
        }
        if (entry->isFolder)
            makeFolder(path);
        else
            writeFile(reader, path, *entry, buffer);
        if (!proceed(progress, {Step::Extracting, ++done, reader.entryCount()}))
            return false;
    }
    return true;
}

QString automaticBackupPath(const QString& applicationFolder, const QDateTime& now) {
    const QString folder = applicationFolder + u'/' + kAutomaticBackupFolder.toString();
    makeFolder(QFile::encodeName(folder));
    const QString name = defaultBackupFileName(now);
    QString path = folder + u'/' + name;
    for (int n = 2; QFile::exists(path); ++n)
        path = folder + u'/' + name.chopped(4) + u'-' + QString::number(n) + QStringLiteral(".zip");
    return path;
}

// Swaps the workspace folders for the unpacked ones, one rename at a time, remembering
// each so the whole can be undone.
class FolderSwap {
public:
    FolderSwap(const QString& applicationFolder, const Staging& staging)
        : m_workspace(QFile::encodeName(applicationFolder)), m_unpacked(staging.unpacked()),
          m_setAside(staging.setAside()) {}

    void replace(QStringView folder) {
        m_steps.push_back({folder.toUtf8()});
        Step& step = m_steps.back();
        if (exists(current(step))) {
            renameOrThrow(current(step), m_setAside + '/' + step.folder);
            step.setAside = true;
        }
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

} // namespace

RestoreResult restoreBackup(const QString& archivePath, const QString& applicationFolder,
                            const platform::Clock& clock, const ProgressCallback& progress) {
    const QString app = QDir::cleanPath(applicationFolder);
    Staging staging(app);
    if (!unpack(archivePath, staging.unpacked(), progress))
        return {};
    staging.sync();

    const QString automatic = automaticBackupPath(app, clock.now());
    // Unless the restore goes through, the workspace ends as it was and the automatic backup
    // has nothing to keep; it stays only when the folders could not be put back.
    bool keepAutomatic = false;
    const auto tidy = qScopeGuard([&] {
        if (!keepAutomatic) {
            QFile::remove(automatic);
            ::rmdir(QFile::encodeName(QFileInfo(automatic).path()).constData()); // when empty
        }
    });
    const auto saving = [&](const Progress& p) {
        return proceed(progress, {Step::SavingCurrent, p.done, p.total});
    };
    if (createBackup(app, automatic, clock, saving) == Outcome::Cancelled)
        return {};

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
    bool cancelled = false;
    try {
        qint64 done = 0;
        for (QStringView folder : kWorkspaceFolders) {
            swap.replace(folder);
            if (!proceed(progress, {Step::Replacing, ++done, qint64(kWorkspaceFolders.size())})) {
                cancelled = true;
                break;
            }
        }
    } catch (...) {
        rollBack();
        throw;
    }
    if (cancelled) {
        rollBack();
        return {};
    }
    keepAutomatic = true;
    return {Outcome::Done, automatic};
}

} // namespace backup
