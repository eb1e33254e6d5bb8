#include "check/page_check.h"
#include "fuzz_support.h"

// The page check on any page bytes: it never throws, and every finding points at a line of
// the page, in page order.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray page = fuzz::bytesOf(data, size);
    static const check::CheckSettings settings = [] {
        check::CheckSettings s;
        s.maxPageBytes = 2048;
        return s;
    }();
    const QList<check::Finding> findings = check::checkPage(page, settings);
    const qsizetype lines = page.count('\n') + page.count('\r') + 1;
    int previousLine = 0;
    for (const check::Finding& finding : findings) {
        FUZZ_CHECK(finding.line >= 1 && finding.line <= lines);
        FUZZ_CHECK(!finding.advice.isEmpty());
        FUZZ_CHECK(finding.line >= previousLine);
        previousLine = finding.line;
    }
    return 0;
}
