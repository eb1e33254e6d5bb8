#include "fuzz_support.h"
#include "platform/cp932.h"
#include "profile/profile_file.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QString decoded(FuzzedDataProvider& input, std::size_t maxLength) {
    const std::string bytes = input.ConsumeRandomLengthString(maxLength);
    return platform::fromCp932(QByteArray(bytes.data(), qsizetype(bytes.size())));
}

std::optional<QString> readBack(const profile::ProfileText& text, const QString& section,
                                const QString& key, const QString& value) {
    profile::ProfileText copy = text;
    copy.write(section, key, value);
    return copy.read(section, key);
}

} // namespace

// A profile file of any bytes. A write into it must read back as the same write into an
// empty file does, and leave the value of another name as it was.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const QString section = decoded(input, 24);
    const QString key = decoded(input, 24);
    const QString value = decoded(input, 200);
    const QString otherSection = decoded(input, 24);
    const QString otherKey = decoded(input, 24);
    const std::string rest = input.ConsumeRemainingBytesAsString();

    static const QString path = fuzz::scratchPath(QStringLiteral("setting.ini"));
    fuzz::writeBytes(path, QByteArray(rest.data(), qsizetype(rest.size())));
    profile::ProfileText text = profile::ProfileText::load(path);
    FUZZ_CHECK(profile::ProfileFile(path).read(section, key) == text.read(section, key));
    const std::optional<QString> otherBefore = text.read(otherSection, otherKey);

    std::optional<QString> expected;
    try {
        expected = readBack(profile::ProfileText(), section, key, value);
    } catch (const platform::Error&) {
        return 0; // a name or value that cannot be written
    }
    text.write(section, key, value);
    FUZZ_CHECK(text.read(section, key) == expected);
    if (!profile::sameProfileName(section, otherSection) ||
        !profile::sameProfileName(key, otherKey))
        FUZZ_CHECK(text.read(otherSection, otherKey) == otherBefore);

    // What is saved is what loads again.
    text.save(path);
    FUZZ_CHECK(profile::ProfileText::load(path).read(section, key) == expected);
    return 0;
}
