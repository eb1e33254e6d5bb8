#include "profile_file.h"

#include "platform/cp932.h"
#include "platform/error.h"
#include "platform/text_file.h"

#include <QList>
#include <utility>

namespace profile {
namespace {

// The lines of the file as stored, without their line ends.
using Lines = QList<QByteArray>;

// The lines [header + 1, end) belong to the section whose header line is `header`.
struct SectionSpan {
    qsizetype header;
    qsizetype end;
};

Lines splitLines(const QByteArray& bytes) {
    Lines lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) // a final line end starts no line
        lines.removeLast();
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

QByteArray joinLines(const Lines& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// The name of a section header line "[name]", or nothing for any other line. Decoded first:
// a CP932 trail byte can be 0x5D, the byte of "]".
std::optional<QString> sectionNameOf(const QByteArray& line) {
    const QString text = platform::fromCp932(line).trimmed();
    if (!text.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = text.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return text.mid(1, close - 1).trimmed();
}

// The key name of a "key=value" line; comments and lines without "=" have none. "=" (0x3D)
// is never a CP932 trail byte, so the first one in the bytes ends the key.
std::optional<QString> keyNameOf(const QByteArray& line) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0)
        return std::nullopt;
    const QString key = platform::fromCp932(line.left(equals)).trimmed();
    if (key.startsWith(u';'))
        return std::nullopt;
    return key;
}

std::optional<SectionSpan> findSection(const Lines& lines, const QString& section) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionNameOf(lines[i]);
        if (!name || !sameProfileName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !sectionNameOf(lines[end]))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> findKey(const Lines& lines, SectionSpan span, const QString& key) {
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        const std::optional<QString> name = keyNameOf(lines[i]);
        if (name && sameProfileName(*name, key))
            return i;
    }
    return std::nullopt;
}

// A new key goes after the last key of its section, so comments and blank lines that lead
// into the next section stay where they are.
qsizetype newKeyPosition(const Lines& lines, SectionSpan span) {
    qsizetype position = span.header + 1;
    for (qsizetype i = span.header + 1; i < span.end; ++i) {
        if (keyNameOf(lines[i]))
            position = i + 1;
    }
    return position;
}

// Spaces and NULs are single bytes that no CP932 character contains, so trimming the bytes
// never cuts a character.
QByteArray trimmedValueBytes(QByteArray bytes) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\0'; };
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.mid(begin, end - begin);
}

bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The first `limit` bytes at most, never ending in the first half of a double-byte character.
QByteArray cutToBytes(const QByteArray& bytes, qsizetype limit) {
    qsizetype end = 0;
    while (end < bytes.size()) {
        const qsizetype length =
            isLeadByte(static_cast<unsigned char>(bytes[end])) && end + 1 < bytes.size() ? 2 : 1;
        if (end + length > limit)
            break;
        end += length;
    }
    return bytes.left(end);
}

QString withoutNulsAndSpaces(QString value) {
    value.remove(QChar(u'\0'));
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && value.at(begin) == u' ')
        ++begin;
    while (end > begin && value.at(end - 1) == u' ')
        --end;
    return value.mid(begin, end - begin);
}

[[noreturn]] void refuse(const QString& description) {
    throw platform::Error(platform::ErrorNumber::InvalidArgument, description);
}

bool hasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

// Names and values that would read back as other lines, or as another section or key, are
// refused rather than written.
void checkSectionName(const QString& section) {
    const QString name = section.trimmed();
    if (name.isEmpty() || hasLineBreak(section) || name.contains(u']') || name != section)
        refuse(QStringLiteral("「%1」は設定ファイルのセクション名に使えません。").arg(section));
}

void checkKeyName(const QString& key) {
    const QString name = key.trimmed();
    if (name.isEmpty() || hasLineBreak(key) || name.contains(u'=') || name.startsWith(u'[') ||
        name.startsWith(u';') || name != key)
        refuse(QStringLiteral("「%1」は設定ファイルのキー名に使えません。").arg(key));
}

void checkValue(const QString& value) {
    if (hasLineBreak(value))
        refuse(QStringLiteral("改行を含む値は設定ファイルに保存できません。"));
}

// The current lines, or none when the file (or its folder) does not exist yet. Any other
// failure stops the write, so an unreadable file is never replaced by a nearly empty one.
Lines currentLines(const QString& path) {
    try {
        return splitLines(platform::readFileBytes(path));
    } catch (const platform::Error& error) {
        if (error.number() == platform::ErrorNumber::FileNotFound ||
            error.number() == platform::ErrorNumber::PathNotFound)
            return {};
        throw;
    }
}

} // namespace

bool sameProfileName(const QString& a, const QString& b) {
    const auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; };
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (fold(a.at(i).unicode()) != fold(b.at(i).unicode()))
            return false;
    }
    return true;
}

ProfileFile::ProfileFile(QString path) : m_path(std::move(path)) {}

ProfileText ProfileText::load(const QString& path) {
    ProfileText text;
    text.m_lines = currentLines(path);
    return text;
}

void ProfileText::save(const QString& path) const {
    platform::writeFileAtomically(path, joinLines(m_lines));
}

std::optional<QString> ProfileText::read(const QString& section, const QString& key) const {
    const std::optional<SectionSpan> span = findSection(m_lines, section);
    if (!span)
        return std::nullopt;
    const std::optional<qsizetype> index = findKey(m_lines, *span, key);
    if (!index)
        return std::nullopt;
    const QByteArray& line = m_lines[*index];
    const QByteArray stored = trimmedValueBytes(line.mid(line.indexOf('=') + 1));
    if (stored.isEmpty())
        return std::nullopt;
    // A cut can leave a space at the end; it is trimmed like any other.
    return platform::fromCp932(trimmedValueBytes(cutToBytes(stored, kMaxValueBytes)));
}

void ProfileText::write(const QString& section, const QString& key, const QString& value) {
    using platform::Unmappable;
    checkSectionName(section);
    checkKeyName(key);
    const QString cleanValue = withoutNulsAndSpaces(value);
    checkValue(cleanValue);
    const QByteArray sectionBytes = platform::toCp932(section, Unmappable::Refuse);
    const QByteArray keyBytes = platform::toCp932(key, Unmappable::Refuse);
    const QByteArray valueBytes = platform::toCp932(cleanValue, Unmappable::Refuse);

    if (const std::optional<SectionSpan> span = findSection(m_lines, section)) {
        if (const std::optional<qsizetype> index = findKey(m_lines, *span, key)) {
            // The key keeps its spelling in the file; only what follows "=" changes.
            QByteArray& line = m_lines[*index];
            line = line.left(line.indexOf('=') + 1) + valueBytes;
        } else {
            m_lines.insert(newKeyPosition(m_lines, *span), keyBytes + '=' + valueBytes);
        }
    } else {
        m_lines << '[' + sectionBytes + ']' << keyBytes + '=' + valueBytes;
    }
}

std::optional<QString> ProfileFile::read(const QString& section, const QString& key) const {
    try {
        return ProfileText::load(m_path).read(section, key);
    } catch (const platform::Error&) {
        return std::nullopt;
    }
}

void ProfileFile::write(const QString& section, const QString& key, const QString& value) const {
    ProfileText text = ProfileText::load(m_path);
    text.write(section, key, value);
    text.save(m_path);
}

} // namespace profile
