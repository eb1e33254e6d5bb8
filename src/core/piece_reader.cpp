#include "piece_reader.h"

#include "piece_grammar.h"
#include "platform/text_file.h"

#include <utility>

namespace core {

PieceReader::PieceReader(QString text) : m_text(std::move(text)) {}

PieceReader PieceReader::fromFile(const QString& path) {
    return PieceReader(platform::readText(path));
}

bool PieceReader::atEnd() const {
    return m_position >= m_text.size() && !m_pieceAfterFinalComma;
}

QString PieceReader::next() {
    const PieceBounds piece = scanPiece(QStringView(m_text).utf16(), m_text.size(), m_position);
    m_position = piece.next;
    m_pieceAfterFinalComma = piece.endedByComma && m_position >= m_text.size();
    return m_text.mid(piece.start, piece.length);
}

} // namespace core
