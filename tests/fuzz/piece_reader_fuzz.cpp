#include "core/piece_reader.h"
#include "fuzz_support.h"
#include "platform/cp932.h"

// The text reader on any decoded bytes: every piece takes something, so it reaches the end
// within one piece per character (and one more for a final comma).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = platform::fromCp932(fuzz::bytesOf(data, size));
    core::PieceReader reader(text);
    qsizetype pieces = 0;
    qsizetype length = 0;
    while (!reader.atEnd()) {
        length += reader.next().size();
        ++pieces;
        FUZZ_CHECK(pieces <= text.size() + 1);
    }
    FUZZ_CHECK(length <= text.size());
    // Past the end it keeps giving empty pieces.
    FUZZ_CHECK(reader.next().isEmpty());
    return 0;
}
