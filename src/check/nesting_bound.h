#pragma once

#include <QByteArray>
#include <vector>

namespace check {

// How deep elements may nest inside one table cell (or outside every table) before the check
// stops following the nesting. Browsers stop nesting about there too.
constexpr int kMaxNesting = 512;

// The page split for the parser. The parser's work grows with the square of the nesting (each
// tag and each character looks through the elements still open), so a page of 200 000 nested
// <div> took minutes. A quick scan follows the nesting first. The parser gets the page up to
// the first tag past kMaxNesting, or up to where its work would pass a fixed budget; the rest
// goes to it flat: each start tag that may give a finding closed at once, the text between as
// it is, so everything but the nesting is still checked.
struct BoundedPage {
    // A piece of `rest` and where it stands in the page.
    struct Piece {
        qsizetype restOffset;
        qsizetype pageOffset;
    };

    QByteArray followed;       // the page up to the bound, or all of it
    QByteArray rest;           // the page past the bound, flat
    std::vector<Piece> pieces; // in order of both offsets
    qsizetype boundAt = -1;    // where the first tag past the bound starts; -1 for none
    qsizetype boundLength = 0; // and how long that tag is

    // Where an offset of `rest` stands in the page.
    qsizetype pageOffset(qsizetype restOffset) const;
};

// `utf8` is the page as UTF-8; offsets are those of `utf8`.
BoundedPage boundNesting(const QByteArray& utf8);

} // namespace check
