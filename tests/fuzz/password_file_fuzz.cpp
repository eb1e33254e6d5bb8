#include "aids/password_file.h"
#include "fuzz_support.h"

// The password file of any bytes: one character for each byte read, up to the limit, and a
// password read back from it writes out again unless a byte stands for a double-byte lead.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString path = fuzz::scratchPath(QStringLiteral("psbin.dat"));
    fuzz::writeBytes(path, fuzz::bytesOf(data, size));
    const QString password = aids::readPasswordFile(path);
    FUZZ_CHECK(password.size() == qsizetype(std::min<std::size_t>(size, aids::kMaxPasswordBytes)));
    try {
        aids::writePasswordFile(path, password);
        FUZZ_CHECK(aids::readPasswordFile(path) == password);
    } catch (const platform::Error& error) {
        // Only a character with no single-byte code is refused.
        FUZZ_CHECK(error.number() == platform::ErrorNumber::Overflow);
    }
    return 0;
}
