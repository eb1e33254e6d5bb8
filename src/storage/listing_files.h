#pragma once

#include "core/listing_record.h"
#include "files.h"
#include "listing_index.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace storage {

// The three files of a finished listing (data/, userdata/) or a listed one (data/after/,
// userdata/after/). A file name from the index that would lead out of its folder ("/" or
// NUL) throws platform::Error 75.
struct ListingPaths {
    QString detail;      // {stamp}.dat
    QString description; // {stamp}.txt
    QString page;        // full-width title + ".html"
};
ListingPaths listingPaths(const Storage& storage, EntryKind kind, const QString& fileName,
                          const QString& title);
// Throws platform::Error 75 for a file name from the index with "/" or NUL.
void checkFileName(const QString& fileName);
// userdata/ (finished) or userdata/after/ (listed) + the full-width title + ".html".
QString pagePath(const Storage& storage, EntryKind kind, const QString& title);

// Why `title` cannot be kept as a finished listing, or nothing when it can: its full-width
// form must be a file name here (no "/" or NUL, at most 255 bytes with ".html"), and the
// index must be able to hold it (only characters with a CP932 form).
std::optional<QString> pageNameProblem(const QString& title);

// The file stamp "yyyymmddhhmmss" of `now`, moved on a second at a time while an index
// entry or a data file already uses it.
QString freeFileStamp(const Storage& storage, const QDateTime& now);

// Writes a listing's own files. A draft: data/下書き.dat holds the description. A finished
// listing: data/{name}.dat holds the detail record stamped `now` and data/{name}.txt the
// description; then the files of `previousNames` are deleted, a missing one passed over.
// Throws platform::Error.
void SaveListingFiles(const Storage& storage, EntryKind kind, const QString& name,
                      const QStringList& previousNames, const core::ListingRecord& record,
                      const QDateTime& now);

// Deletes data/{name}.dat and data/{name}.txt, passing over a missing one.
void deleteListingFiles(const Storage& storage, const QString& name);

} // namespace storage
