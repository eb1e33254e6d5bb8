#include "template_stream.h"

#include "platform/cp932.h"
#include "platform/error.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace page {
namespace {

constexpr qsizetype kPendingLimit = 32 * 1024;

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isSeparator(QChar c) {
    return c == u',' || c == u'\r' || c == u'\n';
}

// Where the bytes can be cut for decoding: after the last byte below 0x40, which in CP932
// always stands alone (second bytes of double-byte characters are 0x40 and above).
qsizetype decodableLength(const QByteArray& bytes) {
    for (qsizetype i = bytes.size(); i > 0; --i)
        if (static_cast<unsigned char>(bytes[i - 1]) < 0x40)
            return i;
    return 0;
}

} // namespace

TemplatePieces::TemplatePieces(const QString& path, qsizetype blockSize)
    : m_path(path), m_fd(::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC)),
      m_blockSize(blockSize) {
    if (m_fd < 0)
        throw platform::Error::fromErrno(errno, path);
    struct stat info {};
    if (::fstat(m_fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(m_fd);
        throw platform::Error::fromNumber(platform::ErrorNumber::PathFileAccessError);
    }
}

TemplatePieces::~TemplatePieces() {
    ::close(m_fd);
}

std::optional<QString> TemplatePieces::next() {
    m_pieceStart = m_position;
    if (!more() && !m_pieceAfterFinalComma)
        return std::nullopt;
    m_pieceAfterFinalComma = false;
    while (more() && isBlank(m_text[m_position]))
        m_pieceStart = ++m_position;

    QString piece;
    if (more() && m_text[m_position] == u'"') {
        m_pieceStart = ++m_position;
        while (more() && m_text[m_position] != u'"')
            ++m_position;
        piece = m_text.mid(m_pieceStart, m_position - m_pieceStart);
        if (more())
            ++m_position;
    } else {
        while (more() && !isSeparator(m_text[m_position]))
            ++m_position;
        piece = m_text.mid(m_pieceStart, m_position - m_pieceStart);
    }
    // Whatever follows a closing quotation mark up to the separator is dropped.
    m_pieceStart = m_position;
    while (more() && !isSeparator(m_text[m_position]))
        m_pieceStart = ++m_position;

    if (more()) {
        const QChar separator = m_text[m_position++];
        if (separator == u',')
            m_pieceAfterFinalComma = !more();
        else if (separator == u'\r' && more() && m_text[m_position] == u'\n')
            ++m_position;
    }
    return piece;
}

bool TemplatePieces::readMore() {
    while (m_position >= m_text.size()) {
        if (!decodeMore())
            return false;
    }
    return true;
}

bool TemplatePieces::decodeMore() {
    while (!m_fileEnd) {
        const qsizetype had = m_undecoded.size();
        m_undecoded.resize(had + m_blockSize);
        ssize_t n;
        do {
            n = ::read(m_fd, m_undecoded.data() + had, size_t(m_blockSize));
        } while (n < 0 && errno == EINTR);
        if (n < 0)
            throw platform::Error::fromErrno(errno, m_path);
        m_undecoded.resize(had + n);
        m_fileEnd = n == 0;
        const qsizetype length = m_fileEnd ? m_undecoded.size() : decodableLength(m_undecoded);
        if (length == 0)
            continue;
        // Text before the piece being read is done with; dropping it keeps memory to one piece.
        m_text.remove(0, m_pieceStart);
        m_position -= m_pieceStart;
        m_pieceStart = 0;
        m_text += platform::fromCp932(m_undecoded.first(length));
        m_undecoded.remove(0, length);
        return true;
    }
    return false;
}

PageFile::PageFile(const QString& path) : m_file(path) {}

void PageFile::writeLine(const QString& line) {
    m_pending += line;
    m_pending += u"\r\n";
    if (m_pending.size() >= kPendingLimit)
        flush();
}

void PageFile::flush() {
    m_file.write(platform::toCp932(m_pending, platform::Unmappable::CharacterReference));
    m_pending.resize(0); // keeps the buffer for the next block
}

void PageFile::commit() {
    flush();
    m_file.commit();
}

} // namespace page
