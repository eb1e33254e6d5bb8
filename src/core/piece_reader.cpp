#include "piece_reader.h"

#include "platform/text_file.h"

#include <algorithm>
#include <utility>

namespace core {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isSeparator(QChar c) {
    return c == u',' || c == u'\r' || c == u'\n';
}

} // namespace

PieceReader::PieceReader(QString text) : m_text(std::move(text)) {}

PieceReader PieceReader::fromFile(const QString& path) {
    return PieceReader(platform::readText(path));
}

bool PieceReader::atEnd() const {
    return m_position >= m_text.size() && !m_pieceAfterFinalComma;
}

QString PieceReader::next() {
    m_pieceAfterFinalComma = false;
    skipBlanks();
    QString piece;
    if (m_position < m_text.size() && m_text[m_position] == u'"') {
        const qsizetype start = m_position + 1;
        qsizetype close = m_text.indexOf(u'"', start);
        if (close < 0)
            close = m_text.size();
        piece = m_text.mid(start, close - start);
        m_position = std::min(close + 1, m_text.size());
    } else {
        const qsizetype start = m_position;
        moveToSeparator();
        piece = m_text.mid(start, m_position - start);
    }
    moveToSeparator();
    consumeSeparator();
    return piece;
}

void PieceReader::skipBlanks() {
    while (m_position < m_text.size() && isBlank(m_text[m_position]))
        ++m_position;
}

void PieceReader::moveToSeparator() {
    while (m_position < m_text.size() && !isSeparator(m_text[m_position]))
        ++m_position;
}

void PieceReader::consumeSeparator() {
    if (m_position >= m_text.size())
        return;
    const QChar separator = m_text[m_position++];
    if (separator == u',') {
        m_pieceAfterFinalComma = m_position >= m_text.size();
    } else if (separator == u'\r' && m_position < m_text.size() && m_text[m_position] == u'\n') {
        ++m_position;
    }
}

} // namespace core
