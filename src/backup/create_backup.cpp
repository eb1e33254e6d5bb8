#include "backup.h"
#include "backup_reader.h"
#include "backup_writer.h"
#include "platform/native_file.h"
#include "platform/safe_file.h"
#include "workspace_walk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace backup {
namespace {

using platform::Error;

class ZipWriter {
public:
    ZipWriter(int fd, const QString& path)
        : m_path(path), m_archive(archive_write_new()), m_entry(archive_entry_new()) {
        if (!m_archive || !m_entry)
            throw Error::fromErrno(ENOMEM, path);
        // With the header charset named, libarchive sets the UTF-8 flag on non-ASCII names,
        // which is what lets other archive tools show them right.
        if (archive_write_set_format_zip(m_archive) != ARCHIVE_OK ||
            archive_write_set_options(m_archive, "zip:hdrcharset=UTF-8") != ARCHIVE_OK ||
            archive_write_open_fd(m_archive, fd) != ARCHIVE_OK)
            throw archiveFailure(m_archive, path);
    }
    ~ZipWriter() {
        archive_entry_free(m_entry);
        archive_write_free(m_archive);
    }
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    void begin(const QByteArray& name, mode_t type, int permissions, qint64 size, time_t modified) {
        archive_entry_clear(m_entry);
        archive_entry_set_pathname_utf8(m_entry, name.constData());
        archive_entry_set_filetype(m_entry, type);
        archive_entry_set_perm(m_entry, mode_t(permissions));
        archive_entry_set_size(m_entry, size);
        archive_entry_set_mtime(m_entry, modified, 0);
        if (archive_write_header(m_archive, m_entry) != ARCHIVE_OK)
            throw archiveFailure(m_archive, m_path);
    }
    void write(const char* data, qint64 size) {
        if (size > 0 && archive_write_data(m_archive, data, size_t(size)) < 0)
            throw archiveFailure(m_archive, m_path);
    }
    void close() {
        if (archive_write_close(m_archive) != ARCHIVE_OK)
            throw archiveFailure(m_archive, m_path);
    }

private:
    QString m_path;
    archive* m_archive;
    archive_entry* m_entry;
};

void addFile(ZipWriter& zip, const WorkspaceEntry& entry, QByteArray& buffer) {
    const int fd = ::open(platform::nativePath(entry.path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw Error::fromErrno(errno, entry.path);
    const auto closeFd = qScopeGuard([fd] { ::close(fd); });
    zip.begin(entry.relative, AE_IFREG, int(entry.info.st_mode & 0777), entry.info.st_size,
              entry.info.st_mtime);
    // Never more than the size the header announced, should the file grow meanwhile.
    qint64 left = entry.info.st_size;
    while (left > 0) {
        const ssize_t n = ::read(fd, buffer.data(), size_t(std::min<qint64>(left, buffer.size())));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw Error::fromErrno(errno, entry.path);
        if (n == 0)
            break;
        zip.write(buffer.constData(), n);
        left -= n;
    }
}

void refuseTargetInWorkspace(const QString& applicationFolder, const QString& archivePath) {
    const QString targetFolder =
        QFileInfo(QFileInfo(archivePath).absolutePath()).canonicalFilePath();
    for (QStringView folder : kWorkspaceFolders) {
        const QString root =
            QFileInfo(applicationFolder + u'/' + folder.toString()).canonicalFilePath();
        if (!root.isEmpty() && !targetFolder.isEmpty() &&
            (targetFolder == root || targetFolder.startsWith(root + u'/')))
            throw Error(platform::ErrorNumber::PathFileAccessError,
                        QStringLiteral("バックアップの保存先に %1 フォルダーの中は選べません。")
                            .arg(folder.toString()));
    }
}

} // namespace

Outcome writeBackup(const QString& applicationFolder, const QString& archivePath,
                    const platform::Clock& clock, const ProgressCallback& progress,
                    const std::function<bool()>& beforeClosing) {
    const QString app = QDir::cleanPath(applicationFolder);
    refuseTargetInWorkspace(app, archivePath);
    Utf8Locale locale;
    // Counted first so the progress has a total; only the count is kept, not the list.
    qint64 total = 0;
    walkWorkspace(app, [&total](const WorkspaceEntry&) {
        ++total;
        return true;
    });

    // Replaced only when complete, so a failure or a cancel never leaves half an archive; the
    // password file inside makes it the owner's alone.
    platform::SafeFile file(archivePath, platform::FileAccess::OwnerOnly);
    ZipWriter zip(file.descriptor(), archivePath);
    const QDateTime now = clock.now();
    const QByteArray marker = markerContent(now, total);
    zip.begin(kMarkerName, AE_IFREG, 0644, marker.size(), time_t(now.toSecsSinceEpoch()));
    zip.write(marker.constData(), marker.size());

    QByteArray buffer(platform::kFileBlockSize, Qt::Uninitialized);
    qint64 done = 0;
    const bool finished = walkWorkspace(app, [&](const WorkspaceEntry& entry) {
        if (S_ISDIR(entry.info.st_mode))
            zip.begin(entry.relative, AE_IFDIR, int(entry.info.st_mode & 0777), 0,
                      entry.info.st_mtime);
        else
            addFile(zip, entry, buffer);
        return proceed(progress, {Step::Archiving, ++done, total});
    });
    if (!finished || (beforeClosing && !beforeClosing()))
        return Outcome::Cancelled;
    zip.close();
    file.commit();
    return Outcome::Done;
}

Outcome createBackup(const QString& applicationFolder, const QString& archivePath,
                     const platform::Clock& clock, const ProgressCallback& progress) {
    return writeBackup(applicationFolder, archivePath, clock, progress, {});
}

} // namespace backup
