#include "backup.h"
#include "backup_reader.h"
#include "platform/native_file.h"

namespace backup {
namespace {

// An index this long is not the program's; the summary then counts what it has read.
constexpr qsizetype kMaxIndexBytes = 64 * 1024 * 1024;

} // namespace

std::optional<BackupSummary> inspectBackup(const QString& archivePath,
                                           const ProgressCallback& progress) {
    BackupReader reader(archivePath);
    BackupSummary summary;
    summary.createdAt = reader.createdAt();
    const QByteArray indexPath = core::Workspace::IndexFile.toUtf8();
    QByteArray index;
    QByteArray buffer(platform::kFileBlockSize, Qt::Uninitialized);
    qint64 done = 0;
    while (const std::optional<ArchivedEntry> entry = reader.next()) {
        const bool isIndex = entry->path == indexPath;
        // Every entry is read to its end: that is what checks it against its checksum.
        while (const qint64 n = reader.read(buffer.data(), buffer.size())) {
            if (isIndex && index.size() + n <= kMaxIndexBytes)
                index.append(buffer.constData(), n);
        }
        if (!proceed(progress, {Step::Checking, ++done, reader.entryCount()}))
            return std::nullopt;
    }
    summariseIndex(index, summary);
    return summary;
}

} // namespace backup
