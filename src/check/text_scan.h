#pragma once

#include <QByteArrayView>
#include <QString>
#include <functional>

// Searches inside the text of one text node; the HTML itself is left to the parser.
namespace check {

// A piece of a text: where it starts and what it reads.
struct TextMatch {
    qsizetype position; // in the scanned text
    QString text;
};
using MatchSink = std::function<void(const TextMatch&)>;

// Full-width letters, digits and signs as ASCII, dashes and the long vowel mark as '-' and the
// ideographic space as ' ', character for character, so positions still fit the original.
QString foldWidth(const QString& text);

// Searched in folded text.
void findEmailAddresses(const QString& folded, const MatchSink& sink);
// Japanese numbers: 03-1234-5678, 090-1234-5678, 0120-123-456, 03(1234)5678, +81-90-…;
// without separators only a mobile number (09012345678), since other runs of ten digits are
// as likely to be item codes.
void findPhoneNumbers(const QString& folded, const MatchSink& sink);
// Web addresses written out as text (https://host/path).
void findWebAddresses(const QString& folded, const MatchSink& sink);

// Numeric character references (&#x1F600; or &#128512;) in the source text of a node, each
// with the character it stands for; `position` is a byte offset into `source`.
struct CharacterReference {
    qsizetype position;
    QByteArray text;
    char32_t codePoint; // U+FFFD for a reference to no valid character
};
void findCharacterReferences(QByteArrayView source,
                             const std::function<void(const CharacterReference&)>& sink);

} // namespace check
