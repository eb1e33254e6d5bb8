#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <string>

// The record syntax of the listing data files: one record a line, fields separated by ",",
// integers, texts in double quotation marks and date-times between number signs.
namespace storage {

// A date-time field's value: a local date and time to the second.
struct FieldDateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;

    static FieldDateTime from(const QDateTime& value);
    QDateTime toDateTime() const;
};

// Reads the fields of CP932 bytes one after another by the piece grammar
// (core/piece_grammar.h), on the bytes without decoding them. A line end only separates
// fields, so a record may go on in the next line. Failures throw platform::Error: 62 for a field
// past the end, 13 for a field that is not of the kind asked for, 6 for an integer too large.
class RecordReader {
public:
    explicit RecordReader(QByteArray cp932);

    bool atEnd() const;
    // Passes over empty lines between records, which an editor may have left.
    void skipEmptyLines();

    // Also accepts a quoted number ("0"); an empty field reads as 0.
    std::int16_t readInteger();
    QString readText();
    // The field's CP932 bytes, valid while the reader lives; for comparing and copying
    // without decoding.
    QByteArrayView readTextBytes();
    FieldDateTime readDateTimeParts();
    QDateTime readDateTime() { return readDateTimeParts().toDateTime(); }

private:
    QByteArrayView nextPiece();

    QByteArray m_bytes;
    qsizetype m_position = 0;
    // A text ending in a comma still has one (empty) field after that comma.
    bool m_pieceAfterFinalComma = false;
};

// Builds records; fields are separated by "," and each record ends with CR LF.
class RecordWriter {
public:
    void reserve(qsizetype size) { m_bytes.reserve(std::size_t(size)); }
    void integer(int value);
    // Double quotation marks are left out: the syntax has no way to read one back.
    // Characters without a CP932 form are written as character references.
    void text(const QString& text);
    // Bytes from RecordReader::readTextBytes or encodeText.
    void textBytes(QByteArrayView cp932);
    // "#yyyy-mm-dd hh:mm:ss#", or "#yyyy-mm-dd#" when the time is 00:00:00.
    void dateTime(const FieldDateTime& value);
    void dateTime(const QDateTime& value) { dateTime(FieldDateTime::from(value)); }
    void endRecord();

    // Valid until the next change of the writer.
    QByteArrayView bytes() const {
        return QByteArrayView(m_bytes.data(), qsizetype(m_bytes.size()));
    }

private:
    void separate();

    // A plain buffer: an index rewrite appends hundreds of thousands of short pieces.
    std::string m_bytes;
    bool m_recordStarted = false;
};

// What RecordWriter::text writes between the quotation marks.
QByteArray encodeText(const QString& text);
// `text` as a record keeps it: without double quotation marks.
QString withoutQuotes(const QString& text);

} // namespace storage
