#pragma once

#include "files.h"
#include "record_syntax.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace storage {

enum class EntryKind : std::int16_t {
    Placeholder = 0, // written with the new index, shown nowhere
    Draft = 1,
    Finished = 2,
    Listed = 3,
};

// One line of data/tm1.dat.
struct IndexEntry {
    EntryKind kind = EntryKind::Placeholder;
    QString title;
    QString fileName; // a file stamp, "下書き.dat" or empty
    QDateTime savedAt;

    bool operator==(const IndexEntry&) const = default;
};

// The entries of data/tm1.dat in file order.
using ListingIndex = QList<IndexEntry>;

// The file name of the draft entry.
inline constexpr QStringView kDraftFileName = u"下書き.dat";

// Reads the entries of CP932 index bytes one at a time, so a caller keeps what it had when a
// later entry fails (platform::Error, 62 for a short last entry).
class IndexReader {
public:
    explicit IndexReader(const QByteArray& cp932) : m_reader(cp932) { m_reader.skipEmptyLines(); }
    bool atEnd() const { return m_reader.atEnd(); }
    IndexEntry next();

private:
    RecordReader m_reader;
};

ListingIndex parseIndex(const QByteArray& cp932);
QByteArray encodeIndex(const ListingIndex& index);

ListingIndex readIndex(const Storage& storage);
// Replaces data/tm1.dat as a whole, so a crash leaves the old index or the new one.
void writeIndex(const Storage& storage, const ListingIndex& index);
void replaceIndex(const Storage& storage, QByteArrayView cp932);

// Saves an entry: every entry of `kind` with exactly `title` (for a draft, the draft entry
// whatever its title) is replaced in place by the new one, stamped `now`; with none, the new
// entry is appended. A draft entry's file name is always "下書き.dat". Returns the file
// names of the replaced entries that the new index no longer names, in index order: the
// files of an earlier finished save of this title, which are now the caller's to delete.
// Throws platform::Error; the index is then unchanged.
QStringList UpdateIndex(const Storage& storage, EntryKind kind, const QString& title,
                        const QString& fileName, const QDateTime& now);

// The titles of the entries of `kind` in index order, once per entry.
QStringList titlesOf(const ListingIndex& index, EntryKind kind);

// A line of a list of kept listings: the title and when it was saved.
struct TitleLine {
    QString title;
    QDateTime savedAt;

    bool operator==(const TitleLine&) const = default;
};
// The entries of `kind` in index order, once per entry.
QList<TitleLine> linesOf(const ListingIndex& index, EntryKind kind);
QStringList titlesOf(const QList<TitleLine>& lines);
// The first entry of `kind` with exactly `title`.
std::optional<IndexEntry> findEntry(const ListingIndex& index, EntryKind kind,
                                    const QString& title);

} // namespace storage
