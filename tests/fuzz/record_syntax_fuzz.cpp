#include "core/piece_reader.h"
#include "fuzz_support.h"
#include "platform/cp932.h"
#include "storage/record_syntax.h"

#include <fuzzer/FuzzedDataProvider.h>

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
    return 0;
}
