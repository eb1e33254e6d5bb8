#pragma once

#include <QString>

namespace core {

// Reads a text piece by piece by the piece grammar (piece_grammar.h).
class PieceReader {
public:
    explicit PieceReader(QString text);
    // Reads the whole CP932 file; throws platform::Error (53 for a missing file).
    static PieceReader fromFile(const QString& path);

    bool atEnd() const;
    // The next piece; at the end of the text, an empty piece.
    QString next();

private:
    QString m_text;
    qsizetype m_position = 0;
    // A text ending in a comma still has one (empty) piece after that comma.
    bool m_pieceAfterFinalComma = false;
};

} // namespace core
