#include "backup_reader.h"

#include "platform/native_file.h"
#include "storage/listing_index.h"

#include <QFile>
#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <cstring>

namespace backup {
namespace {

using platform::Error;

constexpr int kFormatVersion = 1;
constexpr qint64 kMaxMarkerBytes = 4096;

const QString kNotOurs = QStringLiteral("TomoeA のバックアップではありません。");

QString shown(const QByteArray& path) {
    return QString::fromUtf8(path);
}

// Only the relative paths the program writes itself: folder names without "." or "..", below
// one of the workspace folders.
void checkPath(const QByteArray& path, bool isFolder) {
    const QList<QByteArray> parts = path.split('/');
    for (const QByteArray& part : parts) {
        if (part.isEmpty() || part == "." || part == "..")
            throw refusal(QStringLiteral("バックアップに作業フォルダーの外を指す項目があります: %1")
                              .arg(shown(path)));
    }
    const QString top = QString::fromUtf8(parts.first());
    const bool known = std::find(kWorkspaceFolders.begin(), kWorkspaceFolders.end(), top) !=
                       kWorkspaceFolders.end();
    if (!known || (parts.size() == 1 && !isFolder))
        throw refusal(QStringLiteral("バックアップに作業フォルダー以外の項目があります: %1")
                          .arg(shown(path)));
}

Error damaged() {
    return refusal(QStringLiteral("バックアップが壊れています。"));
}

bool startsLikeZip(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == "PK\x03\x04";
}

} // namespace

Utf8Locale::Utf8Locale() : m_locale(::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr))) {
    if (m_locale)
        m_previous = ::uselocale(m_locale);
}

Utf8Locale::~Utf8Locale() {
    if (m_locale) {
        ::uselocale(m_previous);
        ::freelocale(m_locale);
    }
}

Error refusal(const QString& reason) {
    return Error(kRefusedArchive, reason);
}

Error archiveFailure(archive* a, const QString& path) {
    const int number = archive_errno(a);
    return Error::fromErrno(number > 0 ? number : EIO, path);
}

BackupReader::BackupReader(const QString& path) : m_archive(archive_read_new()) {
    if (!m_archive)
        throw Error::fromErrno(ENOMEM, path);
    // Read through the central directory, as other archive tools do: an archive cut short
    // has none and is refused, where reading entry by entry would take the part that is
    // there for the whole.
    archive_read_support_format_zip_seekable(m_archive);
    // No destructor runs when the constructor throws: the archive (its open file and its
    // buffers) is released here, or every refused archive would keep its file open.
    try {
        if (archive_read_open_filename(m_archive, platform::nativePath(path).constData(),
                                       platform::kFileBlockSize) != ARCHIVE_OK) {
            switch (archive_errno(m_archive)) {
            case ENOENT:
            case ENOTDIR:
            case EACCES:
            case EPERM:
            case EISDIR:
            case EIO:
                throw archiveFailure(m_archive, path);
            default:
                throw startsLikeZip(path) ? damaged() : refusal(kNotOurs);
            }
        }
        readMarker();
    } catch (...) {
        archive_read_free(m_archive);
        throw;
    }
}

BackupReader::~BackupReader() {
    archive_read_free(m_archive);
}

void BackupReader::readMarker() {
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(m_archive, &entry);
    if (status == ARCHIVE_EOF)
        throw refusal(kNotOurs);
    if (status != ARCHIVE_OK)
        throw damaged();
    const char* name = archive_entry_pathname_utf8(entry);
    if (!name || std::strcmp(name, kMarkerName) != 0 || archive_entry_filetype(entry) != AE_IFREG)
        throw refusal(kNotOurs);
    m_entryPath = kMarkerName;
    m_entryLeft = archive_entry_size_is_set(entry) ? archive_entry_size(entry) : kMaxMarkerBytes;

    QByteArray bytes(kMaxMarkerBytes, '\0');
    qint64 size = 0;
    while (qint64 n = read(bytes.data() + size, kMaxMarkerBytes - size)) {
        size += n;
        if (size == kMaxMarkerBytes)
            throw refusal(kNotOurs);
    }
    bytes.truncate(size);
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (lines.value(0) != QLatin1String("TomoeA backup"))
        throw refusal(kNotOurs);
    int format = 0;
    for (const QString& line : lines) {
        const QString key = line.section(u'=', 0, 0);
        const QString value = line.section(u'=', 1);
        if (key == QLatin1String("format"))
            format = value.toInt();
        else if (key == QLatin1String("created"))
            m_createdAt = QDateTime::fromString(value, Qt::ISODate);
        else if (key == QLatin1String("entries"))
            m_entryCount = value.toLongLong();
    }
    if (format < 1)
        throw refusal(kNotOurs);
    if (format > kFormatVersion)
        throw refusal(QStringLiteral(
            "新しい版のプログラムで作られたバックアップのため、この版では復元できません。"));
}

std::optional<ArchivedEntry> BackupReader::next() {
    archive_entry* entry = nullptr;
    const int status = archive_read_next_header(m_archive, &entry);
    if (status == ARCHIVE_EOF)
        return std::nullopt;
    // A warning here is a name that is not UTF-8 or a header that does not add up: nothing
    // this program writes.
    if (status != ARCHIVE_OK)
        throw damaged();
    const char* name = archive_entry_pathname_utf8(entry);
    if (!name)
        throw damaged();
    ArchivedEntry result;
    result.path = name;
    const auto type = archive_entry_filetype(entry);
    result.isFolder = type == AE_IFDIR;
    if (result.isFolder && result.path.endsWith('/'))
        result.path.chop(1);
    checkPath(result.path, result.isFolder);
    if (type == AE_IFLNK || archive_entry_hardlink(entry))
        throw refusal(
            QStringLiteral("バックアップにリンクが含まれています: %1").arg(shown(result.path)));
    if (type != AE_IFREG && !result.isFolder)
        throw refusal(QStringLiteral("バックアップに通常のファイルではない項目があります: %1")
                          .arg(shown(result.path)));
    result.permissions = int(archive_entry_perm(entry) & 0777);
    result.modified = archive_entry_mtime(entry);
    // Our archives state every size; the unpacking is measured against it.
    if (!result.isFolder && (!archive_entry_size_is_set(entry) || archive_entry_size(entry) < 0))
        throw damaged();
    result.size = result.isFolder ? 0 : archive_entry_size(entry);
    m_entryPath = result.path;
    m_entryLeft = result.size;
    return result;
}

qint64 BackupReader::read(char* buffer, qint64 size) {
    const la_ssize_t n = archive_read_data(m_archive, buffer, size_t(size));
    if (n < 0)
        throw damaged();
    if (n > m_entryLeft)
        throw refusal(
            QStringLiteral("バックアップの項目が、記録された大きさより大きくなっています: %1")
                .arg(shown(m_entryPath)));
    m_entryLeft -= n;
    return n;
}

QByteArray markerContent(const QDateTime& createdAt, qint64 entryCount) {
    return QByteArrayLiteral("TomoeA backup\r\nformat=") + QByteArray::number(kFormatVersion) +
           "\r\ncreated=" + createdAt.toString(Qt::ISODate).toUtf8() +
           "\r\nentries=" + QByteArray::number(entryCount) + "\r\n";
}

void summariseIndex(const QByteArray& cp932, BackupSummary& summary) {
    // Read as the program reads its index. An entry it cannot read ends the summary there:
    // the program reads no entry past it either.
    storage::IndexReader reader(cp932);
    try {
        while (!reader.atEnd()) {
            const storage::IndexEntry entry = reader.next();
            if (entry.kind != storage::EntryKind::Finished &&
                entry.kind != storage::EntryKind::Listed)
                continue;
            ++summary.listingCount;
            if (!summary.newestListing || entry.savedAt > *summary.newestListing)
                summary.newestListing = entry.savedAt;
        }
    } catch (const platform::Error&) {
    }
}

} // namespace backup
