#include "template_stream.h"

#include "core/piece_grammar.h"
#include "platform/cp932.h"
#include "platform/error.h"
#include "platform/native_file.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace page {
namespace {

constexpr qsizetype kPendingLimit = 32 * 1024;

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
    : m_path(path), m_fd(::open(platform::nativePath(path).constData(), O_RDONLY | O_CLOEXEC)),
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
    const auto scan = [this] {
        return core::scanPiece(QStringView(m_text).utf16(), m_text.size(), m_position);
    };
    core::PieceBounds piece = scan();
    // The piece, its separator or a CR LF may go on in what is not read yet.
    while (piece.next >= m_text.size() && !m_fileEnd) {
        readMore();
        piece = scan();
    }
    if (m_position >= m_text.size() && !m_pieceAfterFinalComma)
        return std::nullopt;
    m_position = piece.next;
    m_pieceAfterFinalComma = piece.endedByComma && m_position >= m_text.size();
    return m_text.mid(piece.start, piece.length);
}

void TemplatePieces::readMore() {
    // Text before the piece being read is done with; dropping it keeps memory to one piece.
    m_text.remove(0, m_position);
    m_position = 0;
    // At least as much again as the piece so far, so a long piece is scanned again only a
    // few times.
    const qsizetype had = m_text.size();
    while (m_text.size() - had < std::max<qsizetype>(had, 1) && decodeMore()) {
    }
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
