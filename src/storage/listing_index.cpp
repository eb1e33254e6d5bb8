#include "listing_index.h"

#include "platform/cp932.h"

#include <algorithm>
#include <vector>

namespace storage {
namespace {

using core::Workspace;

// An entry as its bytes, for rewriting the index without decoding every title.
struct RawEntry {
    std::int16_t kind;
    QByteArrayView title;
    QByteArrayView fileName;
    FieldDateTime savedAt;
};

RawEntry readEntry(RecordReader& in) {
    RawEntry entry;
    entry.kind = in.readInteger();
    entry.title = in.readTextBytes();
    entry.fileName = in.readTextBytes();
    entry.savedAt = in.readDateTimeParts();
    in.skipEmptyLines();
    return entry;
}

void writeEntry(RecordWriter& out, const RawEntry& entry) {
    out.integer(entry.kind);
    out.textBytes(entry.title);
    out.textBytes(entry.fileName);
    out.dateTime(entry.savedAt);
    out.endRecord();
}

// Those of `names` that no entry of `index` names, each once.
QStringList unnamedFileNames(const std::vector<QByteArrayView>& names, QByteArrayView index) {
    std::vector<QByteArrayView> unnamed;
    for (const QByteArrayView name : names) {
        if (!name.isEmpty() && std::find(unnamed.begin(), unnamed.end(), name) == unnamed.end())
            unnamed.push_back(name);
    }
    RecordReader reader(QByteArray::fromRawData(index.data(), index.size()));
    while (!unnamed.empty() && !reader.atEnd()) {
        const RawEntry entry = readEntry(reader);
        std::erase(unnamed, entry.fileName);
    }
    QStringList result;
    for (const QByteArrayView name : unnamed)
        result << platform::fromCp932(name.toByteArray());
    return result;
}

// Whether the bytes hold a character with a lead byte of those characters that have two
// CP932 codes (NEC and IBM extensions): 0x87, 0xED, 0xEE, 0xFA to 0xFC.
bool mayHoldSecondCodes(QByteArrayView cp932) {
    for (qsizetype i = 0; i < cp932.size(); ++i) {
        const auto c = static_cast<unsigned char>(cp932[i]);
        if (c < 0x80 || (c >= 0xA1 && c <= 0xDF))
            continue; // a single byte
        if (c == 0x87 || c == 0xED || c == 0xEE || c >= 0xFA)
            return true;
        ++i; // the second byte
    }
    return false;
}

// Titles are compared as text. Bytes that differ can still be the same text when a title
// was written with the other code of such a character.
bool sameTitle(QByteArrayView stored, QByteArrayView wanted, const QString& title) {
    if (stored == wanted)
        return true;
    return stored.size() == wanted.size() && mayHoldSecondCodes(stored) &&
           platform::fromCp932(stored.toByteArray()) == title;
}

} // namespace

IndexEntry IndexReader::next() {
    IndexEntry entry;
    entry.kind = static_cast<EntryKind>(m_reader.readInteger());
    entry.title = m_reader.readText();
    entry.fileName = m_reader.readText();
    entry.savedAt = m_reader.readDateTime();
    m_reader.skipEmptyLines();
    return entry;
}

ListingIndex parseIndex(const QByteArray& cp932) {
    ListingIndex index;
    IndexReader reader(cp932);
    while (!reader.atEnd())
        index.append(reader.next());
    return index;
}

QByteArray encodeIndex(const ListingIndex& index) {
    RecordWriter out;
    for (const IndexEntry& entry : index) {
        out.integer(static_cast<int>(entry.kind));
        out.text(entry.title);
        out.text(entry.fileName);
        out.dateTime(entry.savedAt);
        out.endRecord();
    }
    return out.bytes().toByteArray();
}

ListingIndex readIndex(const Storage& storage) {
    return parseIndex(storage.files->read(storage.path(Workspace::IndexFile)));
}

void writeIndex(const Storage& storage, const ListingIndex& index) {
    replaceIndex(storage, encodeIndex(index));
}

void replaceIndex(const Storage& storage, QByteArrayView cp932) {
    // The writer's own temporary file plays the part of data/tm2.dat, "the next index"; a
    // rename of that would hand data/tm1.dat the permissions of a new file.
    storage.files->write(storage.path(Workspace::IndexFile), cp932);
}

QStringList UpdateIndex(const Storage& storage, EntryKind kind, const QString& title,
                        const QString& fileName, const QDateTime& now) {
    const bool draft = kind == EntryKind::Draft;
    const QString storedTitle = withoutQuotes(title);
    const QByteArray addedTitle = encodeText(storedTitle);
    const QByteArray addedFile = encodeText(draft ? kDraftFileName.toString() : fileName);
    const RawEntry added{static_cast<std::int16_t>(kind), addedTitle, addedFile,
                         FieldDateTime::from(now)};

    // The index can hold thousands of entries: they go from the old bytes to the new ones
    // without decoding a title or keeping a list of them.
    const QByteArray old = storage.files->read(storage.path(Workspace::IndexFile));
    RecordReader reader(old);
    reader.skipEmptyLines();
    RecordWriter out;
    out.reserve(old.size() + addedTitle.size() + addedFile.size() + 32);
    std::vector<QByteArrayView> replaced;
    while (!reader.atEnd()) {
        RawEntry entry = readEntry(reader);
        // A title read without quotation marks may hold one, which the rewrite leaves out:
        // it is compared as it will be written.
        QByteArray unquoted;
        QByteArrayView title = entry.title;
        if (title.contains('"')) {
            unquoted = title.toByteArray().replace('"', QByteArrayView());
            title = unquoted;
        }
        if (entry.kind == added.kind && (draft || sameTitle(title, addedTitle, storedTitle))) {
            replaced.push_back(entry.fileName);
            entry = added;
        }
        writeEntry(out, entry);
    }
    if (replaced.empty())
        writeEntry(out, added);
    replaceIndex(storage, out.bytes());
    return unnamedFileNames(replaced, out.bytes());
}

QStringList titlesOf(const ListingIndex& index, EntryKind kind) {
    QStringList titles;
    for (const IndexEntry& entry : index) {
        if (entry.kind == kind)
            titles << entry.title;
    }
    return titles;
}

QList<TitleLine> linesOf(const ListingIndex& index, EntryKind kind) {
    QList<TitleLine> lines;
    for (const IndexEntry& entry : index) {
        if (entry.kind == kind)
            lines << TitleLine{entry.title, entry.savedAt};
    }
    return lines;
}

QStringList titlesOf(const QList<TitleLine>& lines) {
    QStringList titles;
    titles.reserve(lines.size());
    for (const TitleLine& line : lines)
        titles << line.title;
    return titles;
}

std::optional<IndexEntry> findEntry(const ListingIndex& index, EntryKind kind,
                                    const QString& title) {
    for (const IndexEntry& entry : index) {
        if (entry.kind == kind && entry.title == title)
            return entry;
    }
    return std::nullopt;
}

} // namespace storage
