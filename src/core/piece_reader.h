#pragma once

#include <QString>

namespace core {

// Reads a text field by field: a comma or a line end (CR LF, LF or CR) ends a piece, blanks
// (spaces and tabs) before a piece are skipped, and a piece that starts with a double
// quotation mark runs to the next one, without the marks; whatever follows the closing mark
// up to the comma or line end is dropped. A double quotation mark inside a piece that does
// not start with one is an ordinary character. An empty line gives one empty piece.
class PieceReader {
public:
    explicit PieceReader(QString text);
    // Reads the whole CP932 file; throws platform::Error (53 for a missing file).
    static PieceReader fromFile(const QString& path);

    bool atEnd() const;
    // The next piece; at the end of the text, an empty piece.
    QString next();

private:
    void skipBlanks();
    void moveToSeparator();
    void consumeSeparator();

    QString m_text;
    qsizetype m_position = 0;
    // A text ending in a comma still has one (empty) piece after that comma.
    bool m_pieceAfterFinalComma = false;
};

} // namespace core
