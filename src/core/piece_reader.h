#pragma once

#include <QString>

namespace core {

// Reads a text field by field: a comma or a line end ends a piece, blanks before a piece
// are skipped, and a piece that starts with a double quotation mark runs to the next one,
// without the marks. An empty line gives one empty piece.
class PieceReader {
public:
    explicit PieceReader(QString text);

    bool atEnd() const;
    // The next piece; at the end of the text, an empty piece.
    QString next();

private:
    QString m_text;
    qsizetype m_position = 0;
};

} // namespace core
