#include "record_syntax.h"

#include "core/piece_grammar.h"
#include "platform/cp932.h"
#include "platform/error.h"

#include <QDate>
#include <QTime>
#include <charconv>
#include <cstring>
#include <utility>

namespace storage {
namespace {

using platform::Error;
using platform::ErrorNumber::InputPastEndOfFile;
using platform::ErrorNumber::Overflow;
using platform::ErrorNumber::TypeMismatch;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

QString decode(QByteArrayView cp932) {
    for (const char c : cp932) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return platform::fromCp932(cp932.toByteArray());
    }
    return QString::fromLatin1(cp932);
}

// The one form a date-time field is written in: zeros stand for digits. A time of 00:00:00 is
// left out, the closing number sign then following the date.
constexpr char kDateTimeForm[] = "#0000-00-00 00:00:00#";
constexpr qsizetype kDateTimeLength = sizeof kDateTimeForm - 1;
constexpr qsizetype kDateLength = 12; // "#0000-00-00#"

int twoDigits(const char* p) {
    return (p[0] - '0') * 10 + (p[1] - '0');
}

// The form the program writes, checked digit by digit: an index holds thousands of them.
bool parseWrittenForm(QByteArrayView field, FieldDateTime& value) {
    const qsizetype size = field.size();
    if (size != kDateTimeLength && size != kDateLength)
        return false;
    for (qsizetype i = 0; i < size; ++i) {
        const char pattern = (size == kDateLength && i == kDateLength - 1) ? '#' : kDateTimeForm[i];
        if (pattern == '0' ? !isDigit(field[i]) : field[i] != pattern)
            return false;
    }
    const char* p = field.data();
    value.year = twoDigits(p + 1) * 100 + twoDigits(p + 3);
    value.month = twoDigits(p + 6);
    value.day = twoDigits(p + 9);
    if (size == kDateTimeLength) {
        value.hour = twoDigits(p + 12);
        value.minute = twoDigits(p + 15);
        value.second = twoDigits(p + 18);
    }
    return QDate::isValid(value.year, value.month, value.day) &&
           QTime::isValid(value.hour, value.minute, value.second);
}

// "#2024-01-05 09:30:00#" or "#2024-01-05#"; the number signs may be left out.
FieldDateTime parseDateTime(QByteArrayView field) {
    if (FieldDateTime value; parseWrittenForm(field, value))
        return value;
    field = field.trimmed();
    if (field.startsWith('#'))
        field = field.sliced(1);
    if (field.endsWith('#'))
        field.chop(1);
    // year, month, day, then optionally hours, minutes, seconds after these separators
    static constexpr char kSeparators[] = {'-', '-', ' ', ':', ':'};
    int parts[6] = {};
    int count = 0;
    qsizetype pos = 0;
    for (;;) {
        const qsizetype start = pos;
        while (pos < field.size() && pos - start < 4 && isDigit(field[pos]))
            parts[count] = parts[count] * 10 + (field[pos++] - '0');
        if (pos == start)
            throw Error::fromNumber(TypeMismatch);
        if (++count == 6 || pos == field.size() || field[pos] != kSeparators[count - 1])
            break;
        ++pos;
    }
    if (pos != field.size() || (count != 3 && count != 6) ||
        !QDate::isValid(parts[0], parts[1], parts[2]) ||
        !QTime::isValid(parts[3], parts[4], parts[5]))
        throw Error::fromNumber(TypeMismatch);
    return {parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]};
}

} // namespace

FieldDateTime FieldDateTime::from(const QDateTime& value) {
    const QDate date = value.date();
    const QTime time = value.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

QDateTime FieldDateTime::toDateTime() const {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

RecordReader::RecordReader(QByteArray cp932) : m_bytes(std::move(cp932)) {}

bool RecordReader::atEnd() const {
    return m_position >= m_bytes.size() && !m_pieceAfterFinalComma;
}

void RecordReader::skipEmptyLines() {
    if (m_pieceAfterFinalComma)
        return;
    // Read through constData(): the non-const [] would copy an index shared with the caller.
    const char* bytes = m_bytes.constData();
    while (m_position < m_bytes.size() &&
           (isBlank(bytes[m_position]) || bytes[m_position] == '\r' || bytes[m_position] == '\n'))
        ++m_position;
}

QByteArrayView RecordReader::nextPiece() {
    if (atEnd())
        throw Error::fromNumber(InputPastEndOfFile);
    // Read through constData(): the non-const [] would copy an index shared with the caller.
    const char* bytes = m_bytes.constData();
    const core::PieceBounds piece = core::scanPiece(bytes, m_bytes.size(), m_position);
    m_position = piece.next;
    m_pieceAfterFinalComma = piece.endedByComma && m_position >= m_bytes.size();
    return QByteArrayView(bytes + piece.start, piece.length);
}

std::int16_t RecordReader::readInteger() {
    const QByteArrayView piece = nextPiece().trimmed();
    if (piece.isEmpty())
        return 0;
    const bool negative = piece.startsWith('-');
    qsizetype pos = negative ? 1 : 0;
    if (pos == piece.size())
        throw Error::fromNumber(TypeMismatch);
    long value = 0;
    for (; pos < piece.size(); ++pos) {
        if (!isDigit(piece[pos]))
            throw Error::fromNumber(TypeMismatch);
        value = value * 10 + (piece[pos] - '0');
        if (value > INT16_MAX + 1L)
            throw Error::fromNumber(Overflow);
    }
    value = negative ? -value : value;
    if (value > INT16_MAX)
        throw Error::fromNumber(Overflow);
    return static_cast<std::int16_t>(value);
}

QString RecordReader::readText() {
    return decode(readTextBytes());
}

QByteArrayView RecordReader::readTextBytes() {
    return nextPiece();
}

FieldDateTime RecordReader::readDateTimeParts() {
    return parseDateTime(nextPiece());
}

void RecordWriter::separate() {
    if (m_recordStarted)
        m_bytes += ',';
    m_recordStarted = true;
}

void RecordWriter::integer(int value) {
    separate();
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_bytes.append(buffer, result.ptr);
}

void RecordWriter::text(const QString& text) {
    textBytes(encodeText(text));
}

void RecordWriter::textBytes(QByteArrayView cp932) {
    separate();
    m_bytes += '"';
    // A field read without its quotation marks can hold one, which would end the written
    // field early; it is left out as text() leaves it out (0x22 is never part of a
    // double-byte character).
    for (qsizetype quote; (quote = cp932.indexOf('"')) >= 0; cp932 = cp932.sliced(quote + 1))
        m_bytes.append(cp932.data(), std::size_t(quote));
    m_bytes.append(cp932.data(), std::size_t(cp932.size()));
    m_bytes += '"';
}

void RecordWriter::dateTime(const FieldDateTime& value) {
    separate();
    // Built in place and appended once: an index rewrite writes thousands of these.
    char field[sizeof kDateTimeForm];
    std::memcpy(field, kDateTimeForm, sizeof field);
    const auto put = [&field](int at, int number, int width) {
        for (int i = at + width - 1; i >= at; --i, number /= 10)
            field[i] = char('0' + number % 10);
    };
    put(1, value.year, 4);
    put(6, value.month, 2);
    put(9, value.day, 2);
    if (value.hour == 0 && value.minute == 0 && value.second == 0) {
        field[kDateLength - 1] = '#';
        m_bytes.append(field, kDateLength);
        return;
    }
    put(12, value.hour, 2);
    put(15, value.minute, 2);
    put(18, value.second, 2);
    m_bytes.append(field, kDateTimeLength);
}

void RecordWriter::endRecord() {
    m_bytes += "\r\n";
    m_recordStarted = false;
}

QByteArray encodeText(const QString& text) {
    return platform::toCp932(withoutQuotes(text), platform::Unmappable::CharacterReference);
}

QString withoutQuotes(const QString& text) {
    QString result = text;
    return result.remove(u'"');
}

} // namespace storage
