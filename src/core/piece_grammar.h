#pragma once

#include <QtGlobal>

// The comma-separated piece grammar that the listing records, the index, the profile lists and
// the templates are written in. A comma or a line end (CR LF, LF or CR) ends a piece, blanks
// (spaces and tabs) before a piece are skipped, and a piece that starts with a double
// quotation mark runs to the next one, without the marks; whatever follows the closing mark
// up to the comma or line end is dropped. A double quotation mark inside a piece that does
// not start with one is an ordinary character. An empty line gives one empty piece.
//
// Every character the grammar looks at is ASCII below 0x40, which is never the second byte of
// a CP932 character, so the same scan works on CP932 bytes and on decoded text.
namespace core {

// Where one piece lies in a text.
struct PieceBounds {
    qsizetype start = 0;  // the first character of the piece, after an opening mark
    qsizetype length = 0; // without the marks
    qsizetype next = 0;   // where the following piece begins, past the separator
    bool endedByComma = false;
};

// Scans the piece that begins at `position` of text[0, size). At the end of the text it gives
// an empty piece. A text that goes on later (a file read block by block) must be scanned
// again once more of it is there whenever `next` reaches `size`: a quoted piece, a separator
// or a CR LF may continue beyond it.
template <typename Char>
PieceBounds scanPiece(const Char* text, qsizetype size, qsizetype position) {
    const auto isBlank = [](Char c) { return c == Char(' ') || c == Char('\t'); };
    const auto isSeparator = [](Char c) {
        return c == Char(',') || c == Char('\r') || c == Char('\n');
    };
    qsizetype pos = position;
    while (pos < size && isBlank(text[pos]))
        ++pos;
    PieceBounds piece;
    if (pos < size && text[pos] == Char('"')) {
        piece.start = ++pos;
        while (pos < size && text[pos] != Char('"'))
            ++pos;
        piece.length = pos - piece.start;
        if (pos < size)
            ++pos;
    } else {
        piece.start = pos;
        while (pos < size && !isSeparator(text[pos]))
            ++pos;
        piece.length = pos - piece.start;
    }
    while (pos < size && !isSeparator(text[pos]))
        ++pos;
    if (pos < size) {
        const Char separator = text[pos++];
        piece.endedByComma = separator == Char(',');
        if (separator == Char('\r') && pos < size && text[pos] == Char('\n'))
            ++pos;
    }
    piece.next = pos;
    return piece;
}

} // namespace core
