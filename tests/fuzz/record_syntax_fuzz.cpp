#include "core/piece_reader.h"
#include "fuzz_support.h"
#include "platform/cp932.h"
#include "storage/detail_record.h"
#include "storage/record_syntax.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString asStored(const QString& text) {
    return platform::fromCp932(storage::encodeText(text));
}

} // namespace

// The record reader on any bytes, asked for the kinds of field the input's tail chooses. It
// splits the bytes without decoding them, so every piece it gives must decode to the piece
// the text reader finds in the decoded text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::size_t scriptLength = input.ConsumeIntegralInRange<std::size_t>(0, 64);
    const std::vector<std::uint8_t> script = input.ConsumeBytes<std::uint8_t>(scriptLength);
    const std::vector<std::uint8_t> rest = input.ConsumeRemainingBytes<std::uint8_t>();
    const QByteArray bytes = fuzz::bytesOf(rest.data(), rest.size());

    storage::RecordReader reader(bytes);
    for (const std::uint8_t step : script) {
        try {
            switch (step % 5) {
            case 0:
                reader.readInteger();
                break;
            case 1:
                reader.readText();
                break;
            case 2: {
                const storage::FieldDateTime parts = reader.readDateTimeParts();
                // Only whole, valid dates are taken; anything else is a type mismatch.
                FUZZ_CHECK(parts.toDateTime().date().isValid());
                break;
            }
            case 3:
                reader.skipEmptyLines();
                break;
            default:
                reader.readTextBytes();
                break;
            }
        } catch (const platform::Error&) {
        }
    }

    // Piece by piece against the text reader. Both pass blanks before a piece, so the byte
    // reader's pieces are compared after its own pass over them.
    storage::RecordReader bytesReader(bytes);
    core::PieceReader textReader(platform::fromCp932(bytes));
    while (!bytesReader.atEnd()) {
        FUZZ_CHECK(!textReader.atEnd());
        const QString fromBytes = platform::fromCp932(bytesReader.readTextBytes().toByteArray());
        FUZZ_CHECK(fromBytes == textReader.next());
    }
    FUZZ_CHECK(textReader.atEnd());

    // The same bytes as a listing's detail file and as its description file.
    static const QString path = fuzz::scratchPath(QStringLiteral("data/record.dat"));
    fuzz::writeBytes(path, bytes);
    std::optional<storage::DetailRecord> detail;
    try {
        detail = storage::ReadDetailRecord(storage::systemFiles(), path);
    } catch (const platform::Error&) {
    }
    if (detail) {
        try {
            storage::ApplyDetailRecord(*detail, core::ListingRecord());
        } catch (const platform::Error& error) {
            FUZZ_CHECK(error.number() == platform::ErrorNumber::InvalidPropertyValue);
        }
        // What was read writes and reads back, its texts as a record keeps them.
        storage::DetailRecord expected = *detail;
        expected.TextBoxその他の運送会社 = asStored(detail->TextBoxその他の運送会社);
        expected.TextBox送料一律 = asStored(detail->TextBox送料一律);
        fuzz::writeBytes(path, storage::encodeDetailRecord(*detail));
        storage::DetailRecord again = storage::ReadDetailRecord(storage::systemFiles(), path);
        again.mailItemSizeAgain = expected.mailItemSizeAgain; // not read back
        FUZZ_CHECK(again == expected);
    }
    return 0;
}
