#include "fuzz_support.h"
#include "platform/cp932.h"
#include "platform/text_file.h"
#include "storage/listing_index.h"

#include <QDateTime>

using storage::EntryKind;
using storage::ListingIndex;

namespace {

std::optional<ListingIndex> parsed(const QByteArray& bytes) {
    try {
        return storage::parseIndex(bytes);
    } catch (const platform::Error&) {
        return std::nullopt;
    }
}

// A text as an index keeps it: quotation marks dropped, characters without a CP932 form as
// character references.
QString asStored(const QString& text) {
    return platform::fromCp932(storage::encodeText(text));
}

} // namespace

// An index file of any bytes: reading it never crashes, what was read writes and reads back,
// and an entry saved into it keeps the index readable, whatever the file held.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const std::optional<ListingIndex> index = parsed(bytes);
    if (index) {
        ListingIndex expected = *index;
        for (storage::IndexEntry& entry : expected) {
            entry.title = asStored(entry.title);
            entry.fileName = asStored(entry.fileName);
        }
        const std::optional<ListingIndex> again = parsed(storage::encodeIndex(*index));
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(*again == expected);
    }

    // The save reads the file's bytes without decoding them; it must refuse what the reader
    // refuses and keep the rest readable.
    static const storage::Storage storage{core::Workspace{fuzz::scratchFolder()}};
    fuzz::writeBytes(storage.path(core::Workspace::IndexFile), bytes);
    const QString title = QStringLiteral("タイトル");
    const QDateTime now(QDate(2024, 5, 6), QTime(7, 8, 9));
    bool saved = false;
    try {
        storage::UpdateIndex(storage, EntryKind::Finished, title, QStringLiteral("s1.dat"), now);
        saved = true;
    } catch (const platform::Error&) {
    }
    FUZZ_CHECK(saved == index.has_value());
    if (saved) {
        const std::optional<ListingIndex> after =
            parsed(platform::readFileBytes(storage.path(core::Workspace::IndexFile)));
        FUZZ_CHECK(after.has_value());
        const std::optional<storage::IndexEntry> entry =
            storage::findEntry(*after, EntryKind::Finished, title);
        FUZZ_CHECK(entry && entry->savedAt == now);
    }
    return 0;
}
