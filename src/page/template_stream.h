#pragma once

#include "platform/native_file.h"
#include "platform/safe_file.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Page assembly streams: a template of any length is read and its page written holding one
// piece and one block of the file at a time. Failures throw platform::Error.
namespace page {

// Reads a CP932 file piece by piece by the piece grammar (core/piece_grammar.h).
class TemplatePieces {
public:
    // Opens the file (53 when it is missing, 76 when its folder is).
    explicit TemplatePieces(const QString& path, qsizetype blockSize = platform::kFileBlockSize);
    ~TemplatePieces();
    TemplatePieces(const TemplatePieces&) = delete;
    TemplatePieces& operator=(const TemplatePieces&) = delete;

    // The next piece, or nothing once the file is exhausted.
    std::optional<QString> next();

private:
    // Reads on after the piece that begins at m_position, dropping the text before it.
    void readMore();
    bool decodeMore();

    QString m_path;
    int m_fd;
    qsizetype m_blockSize;
    bool m_fileEnd = false;
    QByteArray m_undecoded; // read, but possibly ending inside a double-byte character
    QString m_text;         // decoded; what lies before m_position is no longer needed
    qsizetype m_position = 0;
    // A file ending in a comma still has one (empty) piece after that comma.
    bool m_pieceAfterFinalComma = false;
};

// A page file written line by line in CP932 with CR LF; a character without a CP932 form is
// written as "&#x…;". The lines go to a file beside the page, which replaces the page only
// on commit(), so a failed assembly never leaves half a page where a whole one was.
class PageFile {
public:
    explicit PageFile(const QString& path);
    PageFile(const PageFile&) = delete;
    PageFile& operator=(const PageFile&) = delete;

    void writeLine(const QString& line);
    // Without it the lines written are thrown away.
    void commit();

private:
    void flush();

    platform::SafeFile m_file;
    QString m_pending; // lines not yet encoded, encoded a block at a time
};

} // namespace page
