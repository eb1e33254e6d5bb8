#include "platform/cp932.h"
#include "platform/cp932_table.h"

#include <gtest/gtest.h>

namespace {

// Every byte pair, each followed by a newline, so a pair that starts no character, an
// unassigned code and a lead byte before the newline all come up; the table must give
// exactly what the program's own reader gives.
TEST(Cp932Table, DecodesEveryBytePairLikeTheProgramsReader) {
    QByteArray bytes;
    for (int lead = 0; lead < 256; ++lead)
        for (int trail = 0; trail < 256; ++trail)
            bytes.append(char(lead)).append(char(trail)).append('\n');
    bytes += '\x81'; // a lead byte at the very end
    EXPECT_EQ(platform::utf8FromCp932(bytes), platform::fromCp932(bytes).toUtf8());
}

} // namespace
