#pragma once

#include "backup.h"
#include "platform/error.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <clocale>
#include <optional>

struct archive;

namespace backup {

// libarchive converts entry names through the C library's locale, and the program may run
// under "C", where a Japanese name cannot be converted. Names are UTF-8 on both sides here,
// so the thread uses a UTF-8 locale while an archive is open.
class Utf8Locale {
public:
    Utf8Locale();
    ~Utf8Locale();
    Utf8Locale(const Utf8Locale&) = delete;
    Utf8Locale& operator=(const Utf8Locale&) = delete;

private:
    locale_t m_locale;
    locale_t m_previous = nullptr;
};

platform::Error refusal(const QString& reason);
// The failure of a libarchive call on an archive written or read at `path`.
platform::Error archiveFailure(archive* a, const QString& path);

inline bool proceed(const ProgressCallback& progress, const Progress& p) {
    return !progress || progress(p);
}

struct ArchivedEntry {
    QByteArray path; // UTF-8, relative, "/"-separated, no trailing "/"
    bool isFolder = false;
    int permissions = 0;
    qint64 modified = 0; // seconds since the epoch
    qint64 size = 0;     // unpacked, as its header states
};

// Reads one of our archives entry by entry; anything the program would not have written
// is refused (kRefusedArchive) before any of it is handed out.
class BackupReader {
public:
    // Opens the archive and reads its marker.
    explicit BackupReader(const QString& path);
    ~BackupReader();
    BackupReader(const BackupReader&) = delete;
    BackupReader& operator=(const BackupReader&) = delete;

    // The next entry, checked; nothing at the end of the archive.
    std::optional<ArchivedEntry> next();
    // Up to `size` bytes of the current entry's data; 0 at its end. Reading every entry to
    // its end is what verifies the checksums. Data beyond the size its header states is
    // refused as soon as it comes, so a header cannot understate what gets unpacked.
    qint64 read(char* buffer, qint64 size);

    const QDateTime& createdAt() const { return m_createdAt; }
    // The number of entries after the marker, as the marker states it.
    qint64 entryCount() const { return m_entryCount; }

private:
    void readMarker();

    Utf8Locale m_locale;
    archive* m_archive = nullptr;
    QDateTime m_createdAt;
    qint64 m_entryCount = 0;
    QByteArray m_entryPath;
    qint64 m_entryLeft = 0; // of the current entry's stated size
};

// The listings of an index file's bytes, for BackupSummary.
void summariseIndex(const QByteArray& cp932, BackupSummary& summary);

} // namespace backup
