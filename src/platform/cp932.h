#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// What to do with a character that has no CP932 form.
enum class Unmappable {
    // Page text: write it as an HTML numeric character reference ("&#x1F600;").
    CharacterReference,
    // Names and settings: refuse with an Error naming the character.
    Refuse,
    // "?" in its place, as the system's own profile functions write it.
    QuestionMark,
};

// Encodes with the Windows code page 932 mapping (0x5C is '\', U+FF5E and U+301C give 0x8160).
QByteArray toCp932(const QString& text, Unmappable mode);
// Decodes CP932; a byte sequence that is not valid CP932 becomes U+FFFD.
QString fromCp932(const QByteArray& bytes);
// True when every character of `text` has a CP932 form.
bool isCp932Encodable(const QString& text);

} // namespace platform
