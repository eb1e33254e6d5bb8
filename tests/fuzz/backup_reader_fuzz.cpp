#include "backup/backup.h"
#include "backup/backup_reader.h"
#include "fuzz_support.h"

// An archive of any bytes, given to the inspection a restore starts with: it reads the
// archive or refuses it, never more. The bytes also go to the index summary directly, which
// inside a valid archive they would reach only behind its checksums.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    static const QString path = fuzz::scratchPath(QStringLiteral("backup.zip"));
    fuzz::writeBytes(path, bytes);
    try {
        const std::optional<backup::BackupSummary> summary = backup::inspectBackup(path);
        FUZZ_CHECK(summary && summary->listingCount >= 0);
    } catch (const platform::Error& error) {
        FUZZ_CHECK(error.number() == backup::kRefusedArchive);
    }

    backup::BackupSummary direct;
    backup::summariseIndex(bytes, direct);
    // An entry is four fields, so at least three separators.
    FUZZ_CHECK(direct.listingCount * 3 <= bytes.count(',') + bytes.count('\n') + bytes.count('\r'));
    return 0;
}
