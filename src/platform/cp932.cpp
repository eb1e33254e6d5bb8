#include "cp932.h"

#include "error.h"

#include <QList>
#include <cerrno>
#include <iconv.h>

namespace platform {
namespace {

// One iconv conversion descriptor for the duration of a call.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw Error::fromNumber(ErrorNumber::ObjectNotSet);
    }
    ~Converter() { iconv_close(m_cd); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false at an unconvertible or incomplete sequence,
    // leaving `in` pointing at it.
    bool convert(const char*& in, size_t& inLeft, QByteArray& out) {
        while (inLeft > 0) {
            char buffer[1024];
            char* outPtr = buffer;
            size_t outLeft = sizeof buffer;
            char* inPtr = const_cast<char*>(in);
            const size_t result = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
            const int error = errno;
            in = inPtr;
            out.append(buffer, outPtr - buffer);
            if (result != static_cast<size_t>(-1))
                continue;
            if (error == E2BIG)
                continue;
            iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
            return false;
        }
        return true;
    }

private:
    iconv_t m_cd;
};

int utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

} // namespace

QByteArray toCp932(const QString& text, Unmappable mode) {
    const QByteArray utf8 = text.toUtf8();
    const char* in = utf8.constData();
    size_t inLeft = static_cast<size_t>(utf8.size());
    QByteArray out;
    out.reserve(utf8.size());
    Converter converter("CP932", "UTF-8");
    while (!converter.convert(in, inLeft, out)) {
        const int length =
            std::min<int>(utf8SequenceLength(static_cast<unsigned char>(*in)), int(inLeft));
        const QString character = QString::fromUtf8(in, length);
        if (mode == Unmappable::Refuse) {
            throw Error(ErrorNumber::InvalidArgument,
                        QStringLiteral("「%1」はファイルに保存できない文字です。").arg(character));
        }
        if (mode == Unmappable::QuestionMark) {
            out += '?';
        } else {
            const char32_t codePoint = character.toUcs4().value(0, U'\uFFFD');
            out += "&#x" + QByteArray::number(uint(codePoint), 16).toUpper() + ';';
        }
        in += length;
        inLeft -= size_t(length);
    }
    return out;
}

QString fromCp932(const QByteArray& bytes) {
    const char* in = bytes.constData();
    size_t inLeft = static_cast<size_t>(bytes.size());
    QByteArray utf8;
    utf8.reserve(bytes.size() * 3 / 2);
    Converter converter("UTF-8", "CP932");
    while (!converter.convert(in, inLeft, utf8)) {
        utf8 += "\xEF\xBF\xBD"; // U+FFFD for the one byte that does not start a character
        ++in;
        --inLeft;
    }
    return QString::fromUtf8(utf8);
}

bool isCp932Encodable(const QString& text) {
    try {
        toCp932(text, Unmappable::Refuse);
        return true;
    } catch (const Error&) {
        return false;
    }
}

} // namespace platform
