#include "core/piece_reader.h"
#include "fuzz_support.h"
#include "page/assemble_page.h"
#include "page/template_stream.h"
#include "platform/cp932.h"
#include "platform/text_file.h"

#include <QStringList>

namespace {

QStringList piecesOf(const QString& path, qsizetype blockSize) {
    page::TemplatePieces pieces(path, blockSize);
    QStringList result;
    while (std::optional<QString> piece = pieces.next())
        result << *piece;
    return result;
}

page::PageInputs inputsFor(const QString& templatePath, const QString& outputPath) {
    page::PageInputs inputs;
    core::ListingRecord& record = inputs.record;
    record.TextBoxタイトル = QStringLiteral("商品名 %title");
    record.TextBox商品説明 = QStringLiteral("説明\r\n二行目 %item");
    inputs.regionName = QStringLiteral("東京都");
    inputs.linkTable = {QStringLiteral("https://example.org/a"), QStringLiteral("バナー")};
    inputs.homePage = QStringLiteral("https://example.org/");
    inputs.templatePath = templatePath;
    inputs.outputPath = outputPath;
    return inputs;
}

} // namespace

// A template of any bytes. Its pieces do not depend on the block size the file is read in
// (the first input byte picks a small one, so blocks end inside double-byte characters),
// they are the pieces the text reader finds in the decoded file, and the page made from
// it has one line for each piece.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const qsizetype blockSize = 1 + data[0] % 16;
    const QByteArray bytes = fuzz::bytesOf(data + 1, size - 1);
    static const QString templatePath = fuzz::scratchPath(QStringLiteral("template/temp.txt"));
    static const QString outputPath = fuzz::scratchPath(QStringLiteral("page.html"));
    fuzz::writeBytes(templatePath, bytes);

    const QStringList pieces = piecesOf(templatePath, 64 * 1024);
    FUZZ_CHECK(piecesOf(templatePath, blockSize) == pieces);
    QStringList fromText;
    core::PieceReader reader(platform::fromCp932(bytes));
    while (!reader.atEnd())
        fromText << reader.next();
    FUZZ_CHECK(fromText == pieces);

    fuzz::SilentPrompter prompter;
    page::AssemblePage(inputsFor(templatePath, outputPath), prompter);
    const QStringList lines = platform::readTextLines(outputPath);
    FUZZ_CHECK(lines.size() >= pieces.size());
    return 0;
}
