#include "nesting_bound.h"

#include "checked_attributes.h"

#include <QByteArrayView>
#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <gumbo.h>
#include <optional>
#include <string>

namespace check {
namespace {

// The parser's work, in about nanoseconds: a look at one open element costs 1 when it runs
// through its list of them, 2 in a search that reads each element's tag; a copy of an element
// (the parser reopens formatting elements that another tag closed) costs an allocation and more.
constexpr qint64 kWorkBudget = 100'000'000;
constexpr qint64 kSearchWork = 2;
constexpr qint64 kCopyWork = 50;
// A look at every open element that reads it: the elements lie all over the memory then.
constexpr qint64 kWholeStackWork = 20;
constexpr qint64 kAttributeWork = 5;
// Past the bound, a tag keeps at most so many of the attributes the check reads.
constexpr size_t kMaxKeptAttributes = 256;

enum Trait : unsigned {
    Void = 1u << 0,
    Special = 1u << 1,    // an end tag of an ordinary element is not searched for past it
    Formatting = 1u << 2, // kept in a list and reopened when another tag closed it
    ClosesP = 1u << 3,
    Boundary = 1u << 4, // the parser's searches for an open element stop here
    Marker = 1u << 5,   // starts a list of formatting elements of its own
    TablePart = 1u << 6,
    RawText = 1u << 7,  // holds text up to its own end tag, no tags
    Document = 1u << 8, // html, head, body: no element of their own in a body
    Heading = 1u << 9,
    Breakout = 1u << 10, // ends svg or math content
    ForeignRoot = 1u << 11,
};

using TraitTable = std::array<unsigned, GUMBO_TAG_LAST + 1>;

TraitTable buildTraits() {
    TraitTable t{};
    const auto mark = [&](unsigned trait, std::initializer_list<GumboTag> tags) {
        for (GumboTag tag : tags)
            t[size_t(tag)] |= trait;
    };
    mark(Void, {GUMBO_TAG_AREA,    GUMBO_TAG_BASE,   GUMBO_TAG_BASEFONT, GUMBO_TAG_BGSOUND,
                GUMBO_TAG_BR,      GUMBO_TAG_COL,    GUMBO_TAG_EMBED,    GUMBO_TAG_FRAME,
                GUMBO_TAG_HR,      GUMBO_TAG_IMAGE,  GUMBO_TAG_IMG,      GUMBO_TAG_INPUT,
                GUMBO_TAG_ISINDEX, GUMBO_TAG_KEYGEN, GUMBO_TAG_LINK,     GUMBO_TAG_MENUITEM,
                GUMBO_TAG_META,    GUMBO_TAG_PARAM,  GUMBO_TAG_SOURCE,   GUMBO_TAG_TRACK,
                GUMBO_TAG_WBR});
    mark(Special,
         {GUMBO_TAG_ADDRESS,    GUMBO_TAG_APPLET,    GUMBO_TAG_AREA,     GUMBO_TAG_ARTICLE,
          GUMBO_TAG_ASIDE,      GUMBO_TAG_BASE,      GUMBO_TAG_BASEFONT, GUMBO_TAG_BGSOUND,
          GUMBO_TAG_BLOCKQUOTE, GUMBO_TAG_BODY,      GUMBO_TAG_BR,       GUMBO_TAG_BUTTON,
          GUMBO_TAG_CAPTION,    GUMBO_TAG_CENTER,    GUMBO_TAG_COL,      GUMBO_TAG_COLGROUP,
          GUMBO_TAG_DD,         GUMBO_TAG_DETAILS,   GUMBO_TAG_DIR,      GUMBO_TAG_DIV,
          GUMBO_TAG_DL,         GUMBO_TAG_DT,        GUMBO_TAG_EMBED,    GUMBO_TAG_FIELDSET,
          GUMBO_TAG_FIGCAPTION, GUMBO_TAG_FIGURE,    GUMBO_TAG_FOOTER,   GUMBO_TAG_FORM,
          GUMBO_TAG_FRAME,      GUMBO_TAG_FRAMESET,  GUMBO_TAG_H1,       GUMBO_TAG_H2,
          GUMBO_TAG_H3,         GUMBO_TAG_H4,        GUMBO_TAG_H5,       GUMBO_TAG_H6,
          GUMBO_TAG_HEAD,       GUMBO_TAG_HEADER,    GUMBO_TAG_HGROUP,   GUMBO_TAG_HR,
          GUMBO_TAG_HTML,       GUMBO_TAG_IFRAME,    GUMBO_TAG_IMG,      GUMBO_TAG_INPUT,
          GUMBO_TAG_ISINDEX,    GUMBO_TAG_LI,        GUMBO_TAG_LINK,     GUMBO_TAG_LISTING,
          GUMBO_TAG_MAIN,       GUMBO_TAG_MARQUEE,   GUMBO_TAG_MENU,     GUMBO_TAG_MENUITEM,
          GUMBO_TAG_META,       GUMBO_TAG_NAV,       GUMBO_TAG_NOEMBED,  GUMBO_TAG_NOFRAMES,
          GUMBO_TAG_NOSCRIPT,   GUMBO_TAG_OBJECT,    GUMBO_TAG_OL,       GUMBO_TAG_P,
          GUMBO_TAG_PARAM,      GUMBO_TAG_PLAINTEXT, GUMBO_TAG_PRE,      GUMBO_TAG_SCRIPT,
          GUMBO_TAG_SECTION,    GUMBO_TAG_SELECT,    GUMBO_TAG_SOURCE,   GUMBO_TAG_STYLE,
          GUMBO_TAG_SUMMARY,    GUMBO_TAG_TABLE,     GUMBO_TAG_TBODY,    GUMBO_TAG_TD,
          GUMBO_TAG_TEMPLATE,   GUMBO_TAG_TEXTAREA,  GUMBO_TAG_TFOOT,    GUMBO_TAG_TH,
          GUMBO_TAG_THEAD,      GUMBO_TAG_TITLE,     GUMBO_TAG_TR,       GUMBO_TAG_TRACK,
          GUMBO_TAG_UL,         GUMBO_TAG_WBR,       GUMBO_TAG_XMP});
    mark(Formatting, {GUMBO_TAG_A, GUMBO_TAG_B, GUMBO_TAG_BIG, GUMBO_TAG_CODE, GUMBO_TAG_EM,
                      GUMBO_TAG_FONT, GUMBO_TAG_I, GUMBO_TAG_NOBR, GUMBO_TAG_S, GUMBO_TAG_SMALL,
                      GUMBO_TAG_STRIKE, GUMBO_TAG_STRONG, GUMBO_TAG_TT, GUMBO_TAG_U});
    mark(ClosesP,
         {GUMBO_TAG_ADDRESS, GUMBO_TAG_ARTICLE,  GUMBO_TAG_ASIDE,      GUMBO_TAG_BLOCKQUOTE,
          GUMBO_TAG_CENTER,  GUMBO_TAG_DETAILS,  GUMBO_TAG_DIR,        GUMBO_TAG_DIV,
          GUMBO_TAG_DL,      GUMBO_TAG_FIELDSET, GUMBO_TAG_FIGCAPTION, GUMBO_TAG_FIGURE,
          GUMBO_TAG_FOOTER,  GUMBO_TAG_HEADER,   GUMBO_TAG_HGROUP,     GUMBO_TAG_MAIN,
          GUMBO_TAG_MENU,    GUMBO_TAG_NAV,      GUMBO_TAG_OL,         GUMBO_TAG_P,
          GUMBO_TAG_SECTION, GUMBO_TAG_SUMMARY,  GUMBO_TAG_UL,         GUMBO_TAG_H1,
          GUMBO_TAG_H2,      GUMBO_TAG_H3,       GUMBO_TAG_H4,         GUMBO_TAG_H5,
          GUMBO_TAG_H6,      GUMBO_TAG_PRE,      GUMBO_TAG_LISTING,    GUMBO_TAG_FORM,
          GUMBO_TAG_LI,      GUMBO_TAG_DD,       GUMBO_TAG_DT,         GUMBO_TAG_PLAINTEXT,
          GUMBO_TAG_HR,      GUMBO_TAG_XMP});
    mark(Boundary,
         {GUMBO_TAG_APPLET, GUMBO_TAG_CAPTION, GUMBO_TAG_MARQUEE, GUMBO_TAG_OBJECT, GUMBO_TAG_TABLE,
          GUMBO_TAG_TD, GUMBO_TAG_TH, GUMBO_TAG_TEMPLATE, GUMBO_TAG_TBODY, GUMBO_TAG_THEAD,
          GUMBO_TAG_TFOOT, GUMBO_TAG_TR, GUMBO_TAG_COLGROUP});
    mark(Marker, {GUMBO_TAG_APPLET, GUMBO_TAG_CAPTION, GUMBO_TAG_MARQUEE, GUMBO_TAG_OBJECT,
                  GUMBO_TAG_TD, GUMBO_TAG_TH, GUMBO_TAG_TEMPLATE});
    mark(TablePart, {GUMBO_TAG_CAPTION, GUMBO_TAG_COLGROUP, GUMBO_TAG_COL, GUMBO_TAG_TBODY,
                     GUMBO_TAG_THEAD, GUMBO_TAG_TFOOT, GUMBO_TAG_TR, GUMBO_TAG_TD, GUMBO_TAG_TH});
    mark(RawText,
         {GUMBO_TAG_SCRIPT, GUMBO_TAG_STYLE, GUMBO_TAG_XMP, GUMBO_TAG_IFRAME, GUMBO_TAG_NOEMBED,
          GUMBO_TAG_NOFRAMES, GUMBO_TAG_TEXTAREA, GUMBO_TAG_TITLE, GUMBO_TAG_PLAINTEXT});
    mark(Document, {GUMBO_TAG_HTML, GUMBO_TAG_HEAD, GUMBO_TAG_BODY});
    mark(Heading,
         {GUMBO_TAG_H1, GUMBO_TAG_H2, GUMBO_TAG_H3, GUMBO_TAG_H4, GUMBO_TAG_H5, GUMBO_TAG_H6});
    mark(Breakout, {GUMBO_TAG_B,       GUMBO_TAG_BIG,    GUMBO_TAG_BLOCKQUOTE, GUMBO_TAG_BODY,
                    GUMBO_TAG_BR,      GUMBO_TAG_CENTER, GUMBO_TAG_CODE,       GUMBO_TAG_DD,
                    GUMBO_TAG_DIV,     GUMBO_TAG_DL,     GUMBO_TAG_DT,         GUMBO_TAG_EM,
                    GUMBO_TAG_EMBED,   GUMBO_TAG_H1,     GUMBO_TAG_H2,         GUMBO_TAG_H3,
                    GUMBO_TAG_H4,      GUMBO_TAG_H5,     GUMBO_TAG_H6,         GUMBO_TAG_HEAD,
                    GUMBO_TAG_HR,      GUMBO_TAG_I,      GUMBO_TAG_IMG,        GUMBO_TAG_LI,
                    GUMBO_TAG_LISTING, GUMBO_TAG_MENU,   GUMBO_TAG_META,       GUMBO_TAG_NOBR,
                    GUMBO_TAG_OL,      GUMBO_TAG_P,      GUMBO_TAG_PRE,        GUMBO_TAG_RUBY,
                    GUMBO_TAG_S,       GUMBO_TAG_SMALL,  GUMBO_TAG_SPAN,       GUMBO_TAG_STRONG,
                    GUMBO_TAG_STRIKE,  GUMBO_TAG_SUB,    GUMBO_TAG_SUP,        GUMBO_TAG_TABLE,
                    GUMBO_TAG_TT,      GUMBO_TAG_U,      GUMBO_TAG_UL,         GUMBO_TAG_VAR,
                    GUMBO_TAG_FONT});
    mark(ForeignRoot, {GUMBO_TAG_SVG, GUMBO_TAG_MATH});
    return t;
}

unsigned traits(GumboTag tag) {
    static const TraitTable table = buildTraits();
    return table[size_t(tag)];
}

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// A quick reading of the page's tags, close enough to the parser's to know how deep it nests
// and how much the parser has to look through. Where it cannot tell, it keeps an element open
// rather than closing it: reading a page as deeper than it is only stops following it sooner.
class NestingScan {
public:
    explicit NestingScan(const QByteArray& utf8) : m_page(utf8) {}

    BoundedPage run() {
        const char* page = m_page.constData();
        const qsizetype size = m_page.size();
        qsizetype pos = 0;
        while (pos < size) {
            const auto* found =
                static_cast<const char*>(std::memchr(page + pos, '<', size_t(size - pos)));
            const qsizetype at = found ? found - page : size;
            if (at > pos)
                text(pos, at);
            pos = at < size ? token(at) : size;
        }
        if (m_result.boundAt < 0)
            m_result.followed = m_page;
        return std::move(m_result);
    }

private:
    struct Open {
        GumboTag tag;
        bool boundary;
        bool foreign;
        int formatting;   // its entry in the list of formatting elements; -1 for none
        std::string name; // only for a tag the parser does not know
    };
    struct Active {
        GumboTag tag;
        int id; // -1 for a marker
        QByteArrayView attributes;
    };
    struct Tag {
        qsizetype start = 0;
        qsizetype end = 0; // past the '>'
        GumboTag tag = GUMBO_TAG_UNKNOWN;
        std::string name; // in lower case
        qsizetype nameEnd = 0;
        QByteArrayView attributes;
        qsizetype attributeCount = 0;
        std::vector<std::pair<qsizetype, qsizetype>> checked; // the attributes the check reads
    };
    // An element the parser puts in by itself.
    static Tag implied(GumboTag tag) {
        Tag implied;
        implied.tag = tag;
        return implied;
    }

    char at(qsizetype i) const { return i < m_page.size() ? m_page.at(i) : '\0'; }

    qsizetype token(qsizetype start) {
        const char next = at(start + 1);
        if (isAsciiLetter(next))
            return startTag(start);
        if (next == '/' && isAsciiLetter(at(start + 2)))
            return endTag(start);
        qsizetype end = 0;
        if (next == '/')
            end = at(start + 2) == '>' ? start + 3 : pastGreaterThan(start + 2);
        else if (next == '!' && QByteArrayView(m_page).sliced(start).startsWith("<!--"))
            end = pastComment(start + 4);
        else if (next == '!' || next == '?')
            end = pastGreaterThan(start + 1);
        if (end == 0) {
            text(start, start + 1);
            return start + 1;
        }
        if (m_flat)
            leaveOut();
        return end;
    }

    qsizetype pastGreaterThan(qsizetype from) const {
        const qsizetype end = m_page.indexOf('>', from);
        return end < 0 ? m_page.size() : end + 1;
    }

    qsizetype pastComment(qsizetype from) const {
        if (at(from) == '>')
            return from + 1;
        if (at(from) == '-' && at(from + 1) == '>')
            return from + 2;
        for (qsizetype dashes = m_page.indexOf("--", from); dashes >= 0;
             dashes = m_page.indexOf("--", dashes + 1)) {
            if (at(dashes + 2) == '>')
                return dashes + 3;
            if (at(dashes + 2) == '!' && at(dashes + 3) == '>')
                return dashes + 4;
        }
        return m_page.size();
    }

    // The tag starting at `start`, or none when the page ends inside it (the parser drops it).
    std::optional<Tag> readTag(qsizetype start, qsizetype nameStart) const {
        Tag tag;
        tag.start = start;
        qsizetype i = nameStart;
        while (i < m_page.size() && !isBlank(m_page[i]) && m_page[i] != '/' && m_page[i] != '>')
            tag.name += char(std::tolower(static_cast<unsigned char>(m_page[i++])));
        tag.tag = gumbo_tagn_enum(tag.name.data(), unsigned(tag.name.size()));
        tag.nameEnd = i;
        const qsizetype attributesStart = i;
        while (i < m_page.size()) {
            const char c = m_page[i];
            if (c == '>') {
                tag.end = i + 1;
                tag.attributes =
                    QByteArrayView(m_page).sliced(attributesStart, i - attributesStart);
                return tag;
            }
            if (isBlank(c) || c == '/') {
                ++i;
                continue;
            }
            // An attribute: its name, then perhaps '=' and a value.
            const qsizetype attributeStart = i;
            std::string name(1, char(std::tolower(static_cast<unsigned char>(c))));
            ++i;
            while (i < m_page.size() && !isBlank(m_page[i]) && m_page[i] != '/' &&
                   m_page[i] != '>' && m_page[i] != '=')
                name += char(std::tolower(static_cast<unsigned char>(m_page[i++])));
            ++tag.attributeCount;
            const bool checked = isEventAttribute(name) || isAddressAttribute(name) ||
                                 name == "http-equiv" || name == "type";
            qsizetype j = i;
            while (j < m_page.size() && isBlank(m_page[j]))
                ++j;
            if (at(j) != '=') {
                if (checked)
                    tag.checked.emplace_back(attributeStart, i);
                continue;
            }
            ++j;
            while (j < m_page.size() && isBlank(m_page[j]))
                ++j;
            const char quote = at(j);
            if (quote == '"' || quote == '\'') {
                const qsizetype close = m_page.indexOf(quote, j + 1);
                if (close < 0)
                    return std::nullopt;
                i = close + 1;
            } else {
                i = j;
                while (i < m_page.size() && !isBlank(m_page[i]) && m_page[i] != '>')
                    ++i;
            }
            if (checked)
                tag.checked.emplace_back(attributeStart, i);
        }
        return std::nullopt;
    }

    qsizetype startTag(qsizetype start) {
        std::optional<Tag> read = readTag(start, start + 1);
        if (!read)
            return m_page.size();
        Tag& tag = *read;
        const unsigned t = m_foreign > 0 && !(traits(tag.tag) & Breakout) ? 0 : traits(tag.tag);
        qsizetype end = tag.end;
        m_work += attributeWork(tag);
        if (t & RawText)
            end = tag.tag == GUMBO_TAG_PLAINTEXT ? m_page.size() : pastEndTag(tag.end, tag.name);
        m_work += kSearchWork * (regionDepth() + 1);
        if (!m_flat && (m_work > kWorkBudget || !open(tag, t)))
            startFlat(tag.start, tag.end);
        if (m_flat)
            keepStartTag(tag, t, end);
        return end;
    }

    qsizetype endTag(qsizetype start) {
        std::optional<Tag> read = readTag(start, start + 2);
        if (!read)
            return m_page.size();
        m_work += kSearchWork * (regionDepth() + 1) + attributeWork(*read);
        if (!m_flat && m_work > kWorkBudget)
            startFlat(read->start, read->end);
        if (m_flat)
            leaveOut();
        else
            close(*read);
        return read->end;
    }

    // The parser compares each attribute's name with those before it.
    static qint64 attributeWork(const Tag& tag) {
        return kAttributeWork * tag.attributeCount * (tag.attributeCount - 1) / 2;
    }

    // Past the end tag of a raw text element: the parser reads no tags before it.
    qsizetype pastEndTag(qsizetype from, const std::string& name) const {
        for (qsizetype close = m_page.indexOf("</", from); close >= 0;
             close = m_page.indexOf("</", close + 2)) {
            const QByteArrayView candidate = QByteArrayView(m_page).sliced(close + 2);
            if (candidate.size() > qsizetype(name.size()) &&
                candidate.first(qsizetype(name.size()))
                        .compare(QByteArrayView(name.data(), qsizetype(name.size())),
                                 Qt::CaseInsensitive) == 0) {
                const char after = candidate[qsizetype(name.size())];
                if (isBlank(after) || after == '/' || after == '>')
                    return pastGreaterThan(close + 2);
            }
        }
        return m_page.size();
    }

    void text(qsizetype from, qsizetype to) {
        if (m_flat) {
            keep(from, to, {}, {});
            return;
        }
        reopenFormatting();
        // The parser takes each character on its own, and looks for the last formatting
        // element among all open elements each time.
        if (qsizetype(m_active.size()) > listStart())
            m_work += (to - from) * qsizetype(m_stack.size());
        if (m_work > kWorkBudget) {
            startFlat(from, to);
            keep(from, to, {}, {});
        }
    }

    // --- the elements open, as the parser keeps them

    qsizetype regionStart() const { return m_boundaries.empty() ? 0 : m_boundaries.back() + 1; }
    qsizetype regionDepth() const { return qsizetype(m_stack.size()) - regionStart(); }
    qsizetype listStart() const { return m_markers.empty() ? 0 : m_markers.back() + 1; }

    bool matches(const Open& open, const Tag& tag) const {
        return open.tag == tag.tag && (tag.tag != GUMBO_TAG_UNKNOWN || open.name == tag.name);
    }

    // Opens the element of a start tag; false when that would nest it too deep.
    bool open(const Tag& tag, unsigned t) {
        if (t & (Void | RawText | Document)) {
            if (t & Document)
                m_work += kWholeStackWork * qsizetype(m_stack.size()); // looks through all of them
            else if (!(t & RawText))
                reopenFormatting();
            if (tag.tag == GUMBO_TAG_HR)
                closeP();
            return true;
        }
        if (m_foreign > 0 && (t & Breakout))
            while (!m_stack.empty() && m_stack.back().foreign)
                pop();
        if (t & TablePart)
            return openTablePart(tag);
        if (!(t & ClosesP) && tag.tag != GUMBO_TAG_TABLE)
            reopenFormatting();
        if (t & ClosesP)
            closeImplied(tag.tag, t);
        else if (tag.tag == GUMBO_TAG_OPTION || tag.tag == GUMBO_TAG_OPTGROUP) {
            if (!m_stack.empty() && m_stack.back().tag == GUMBO_TAG_OPTION)
                pop();
        } else if (tag.tag == GUMBO_TAG_BUTTON) {
            if (const qsizetype found = findInRegion(tag, 0); found >= 0)
                popTo(found);
        } else if (tag.tag == GUMBO_TAG_A || tag.tag == GUMBO_TAG_NOBR) {
            // An open one is closed first.
            if (const qsizetype entry = findActive(tag.tag); entry >= 0)
                closeFormatting(entry, true);
        }
        if (tag.tag == GUMBO_TAG_FORM)
            m_work += kWholeStackWork * qsizetype(m_stack.size());
        if (t & Formatting)
            return pushFormatting(tag);
        return push(tag, t);
    }

    bool push(const Tag& tag, unsigned t, int formatting = -1) {
        if (regionDepth() >= kMaxNesting)
            return false;
        const bool foreign = m_foreign > 0 || (t & ForeignRoot);
        const bool boundary = !foreign && (t & Boundary);
        if (boundary)
            m_boundaries.push_back(qsizetype(m_stack.size()));
        if (!foreign && tag.tag == GUMBO_TAG_TABLE)
            m_tables.push_back(qsizetype(m_stack.size()));
        if (foreign)
            ++m_foreign;
        if (!foreign && (t & Marker)) {
            m_markers.push_back(qsizetype(m_active.size()));
            m_active.push_back({tag.tag, -1, {}});
        }
        m_stack.push_back({tag.tag, boundary, foreign, formatting,
                           tag.tag == GUMBO_TAG_UNKNOWN ? tag.name : std::string()});
        return true;
    }

    bool pushFormatting(const Tag& tag) {
        if (qsizetype(m_active.size()) - listStart() >= kMaxNesting || regionDepth() >= kMaxNesting)
            return false;
        // The parser keeps at most three alike (same tag and attributes) in its list.
        const QByteArrayView attributes = tag.attributes.trimmed();
        int alike = 0;
        qsizetype earliest = -1;
        for (qsizetype i = qsizetype(m_active.size()); i-- > listStart();) {
            if (m_active[size_t(i)].tag == tag.tag &&
                m_active[size_t(i)].attributes == attributes) {
                ++alike;
                earliest = i;
            }
        }
        m_work += qsizetype(m_active.size()) - listStart();
        if (alike >= 3)
            m_active.erase(m_active.begin() + earliest);
        const int id = int(m_opened.size());
        m_opened.push_back(true);
        m_active.push_back({tag.tag, id, attributes});
        return push(tag, traits(tag.tag), id);
    }

    void pop() {
        const Open& top = m_stack.back();
        if (top.formatting >= 0)
            m_opened[size_t(top.formatting)] = false;
        if (top.boundary)
            m_boundaries.pop_back();
        if (!top.foreign && top.tag == GUMBO_TAG_TABLE)
            m_tables.pop_back();
        if (top.foreign)
            --m_foreign;
        if (!top.foreign && (traits(top.tag) & Marker) && !m_markers.empty()) {
            m_active.resize(size_t(m_markers.back()));
            m_markers.pop_back();
        }
        m_stack.pop_back();
    }

    void popTo(qsizetype index) {
        while (qsizetype(m_stack.size()) > index)
            pop();
    }

    // The last open element of the region that the tag names, or -1; the search also stops
    // at an element of `stops`.
    qsizetype findInRegion(const Tag& tag, unsigned stops, bool anyHeading = false) const {
        for (qsizetype i = qsizetype(m_stack.size()); i-- > regionStart();) {
            const Open& open = m_stack[size_t(i)];
            if (matches(open, tag) || (anyHeading && !open.foreign && (traits(open.tag) & Heading)))
                return i;
            if (!open.foreign && (traits(open.tag) & stops))
                return -1;
        }
        return -1;
    }

    qsizetype findTag(GumboTag tag, qsizetype from) {
        for (qsizetype i = qsizetype(m_stack.size()); i-- > from; m_work += kSearchWork)
            if (m_stack[size_t(i)].tag == tag && !m_stack[size_t(i)].foreign)
                return i;
        return -1;
    }

    // What a block's start tag closes: an open paragraph, and a list item by a list item.
    void closeImplied(GumboTag tag, unsigned t) {
        if (tag == GUMBO_TAG_LI || tag == GUMBO_TAG_DD || tag == GUMBO_TAG_DT) {
            for (qsizetype i = qsizetype(m_stack.size()); i-- > regionStart();) {
                const Open& open = m_stack[size_t(i)];
                const bool item = tag == GUMBO_TAG_LI
                                      ? open.tag == GUMBO_TAG_LI
                                      : open.tag == GUMBO_TAG_DD || open.tag == GUMBO_TAG_DT;
                if (item && !open.foreign) {
                    popTo(i);
                    break;
                }
                if (!open.foreign && (traits(open.tag) & Special) &&
                    open.tag != GUMBO_TAG_ADDRESS && open.tag != GUMBO_TAG_DIV &&
                    open.tag != GUMBO_TAG_P)
                    break;
            }
        }
        closeP();
        if ((t & Heading) && !m_stack.empty() && (traits(m_stack.back().tag) & Heading))
            pop();
    }

    void closeP() {
        const Tag p = implied(GUMBO_TAG_P);
        for (qsizetype i = qsizetype(m_stack.size()); i-- > regionStart();) {
            const Open& open = m_stack[size_t(i)];
            if (matches(open, p) && !open.foreign) {
                popTo(i);
                return;
            }
            if (open.tag == GUMBO_TAG_BUTTON)
                return;
        }
    }

    bool openTablePart(const Tag& tag) {
        if (m_tables.empty())
            return true; // the parser drops a table part outside a table
        const qsizetype table = m_tables.back();
        if (tag.tag == GUMBO_TAG_TR || tag.tag == GUMBO_TAG_TD || tag.tag == GUMBO_TAG_TH) {
            const qsizetype row = tag.tag == GUMBO_TAG_TR ? -1 : findTag(GUMBO_TAG_TR, table);
            if (row >= 0) {
                popTo(row + 1);
            } else {
                qsizetype section = findTag(GUMBO_TAG_TBODY, table);
                section = std::max(
                    {section, findTag(GUMBO_TAG_THEAD, table), findTag(GUMBO_TAG_TFOOT, table)});
                if (section >= 0) {
                    popTo(section + 1);
                } else {
                    popTo(table + 1);
                    push(implied(GUMBO_TAG_TBODY), traits(GUMBO_TAG_TBODY));
                }
                if (tag.tag != GUMBO_TAG_TR)
                    push(implied(GUMBO_TAG_TR), traits(GUMBO_TAG_TR));
            }
        } else {
            popTo(table + 1);
        }
        return tag.tag == GUMBO_TAG_COL || push(tag, traits(tag.tag));
    }

    void close(const Tag& tag) {
        const unsigned t = traits(tag.tag);
        if (t & (Document | Void))
            return;
        if (t & Formatting) {
            if (const qsizetype entry = findActive(tag.tag); entry >= 0) {
                closeFormatting(entry, false);
                return;
            }
        }
        if (t & (TablePart | Boundary)) {
            if ((t & TablePart) && m_tables.empty())
                return; // no table: the parser drops it
            const qsizetype table = m_tables.empty() ? 0 : m_tables.back();
            const qsizetype from =
                tag.tag == GUMBO_TAG_TABLE || !(t & TablePart) ? regionStart() - 1 : table;
            for (qsizetype i = qsizetype(m_stack.size()); i-- > std::max<qsizetype>(from, 0);) {
                m_work += kSearchWork;
                const Open& open = m_stack[size_t(i)];
                if (!open.foreign && open.tag == tag.tag) {
                    popTo(i);
                    return;
                }
            }
            if (tag.tag == GUMBO_TAG_TABLE && !m_tables.empty())
                popTo(m_tables.back());
            return;
        }
        if (t & Special) {
            if (tag.tag == GUMBO_TAG_FORM)
                m_work += kWholeStackWork * qsizetype(m_stack.size()); // looks through all of them
            qsizetype found = -1;
            if (tag.tag == GUMBO_TAG_LI)
                found = findListItem(tag);
            else if (tag.tag == GUMBO_TAG_P)
                found = findPInButtonScope();
            else
                found = findInRegion(tag, 0, (t & Heading) != 0);
            if (found >= 0)
                popTo(found);
            return;
        }
        // Any other end tag closes the last such element, unless a special element is open
        // after it.
        if (const qsizetype found = findInRegion(tag, Special); found >= 0)
            popTo(found);
    }

    qsizetype findListItem(const Tag& tag) const {
        for (qsizetype i = qsizetype(m_stack.size()); i-- > regionStart();) {
            const Open& open = m_stack[size_t(i)];
            if (matches(open, tag))
                return i;
            if (!open.foreign && (open.tag == GUMBO_TAG_OL || open.tag == GUMBO_TAG_UL))
                return -1;
        }
        return -1;
    }

    qsizetype findPInButtonScope() const {
        for (qsizetype i = qsizetype(m_stack.size()); i-- > regionStart();) {
            const Open& open = m_stack[size_t(i)];
            if (open.tag == GUMBO_TAG_P && !open.foreign)
                return i;
            if (open.tag == GUMBO_TAG_BUTTON)
                return -1;
        }
        return -1;
    }

    // --- the list of formatting elements

    qsizetype findActive(GumboTag tag) const {
        for (qsizetype i = qsizetype(m_active.size()); i-- > listStart();)
            if (m_active[size_t(i)].tag == tag)
                return i;
        return -1;
    }

    // An end tag (or a new <a>) closes the formatting element of list entry `entry`. Only that
    // element is taken off: the parser may close the ones opened after it too, but reopens
    // them at the next text.
    void closeFormatting(qsizetype entry, bool evenOutOfScope) {
        const int id = m_active[size_t(entry)].id;
        if (m_opened[size_t(id)]) {
            qsizetype onStack = -1;
            for (qsizetype i = qsizetype(m_stack.size()); i-- > regionStart();) {
                if (m_stack[size_t(i)].formatting == id) {
                    onStack = i;
                    break;
                }
            }
            if (onStack < 0 && !evenOutOfScope)
                return; // not in scope: the parser ignores the end tag
            if (onStack >= 0) {
                m_opened[size_t(id)] = false;
                m_stack.erase(m_stack.begin() + onStack);
            }
        }
        m_active.erase(m_active.begin() + entry);
    }

    // Before text and most start tags the parser reopens, as copies, the formatting elements
    // that other tags closed.
    void reopenFormatting() {
        if (qsizetype(m_active.size()) > listStart())
            m_work += qsizetype(m_stack.size()); // the search for the last one among them
        size_t first = m_active.size();
        while (first > size_t(listStart()) && !m_opened[size_t(m_active[first - 1].id)])
            --first;
        for (size_t i = first; i < m_active.size(); ++i) {
            const Active& entry = m_active[i];
            m_opened[size_t(entry.id)] = true;
            m_stack.push_back({entry.tag, false, false, entry.id, {}});
            m_work += kCopyWork;
        }
    }

    // --- past the bound

    void startFlat(qsizetype from, qsizetype to) {
        m_flat = true;
        m_result.boundAt = from;
        m_result.boundLength = to - from;
        m_result.followed = m_page.first(from);
    }

    // A start tag that may give a finding goes to the rest closed at once (a table part inside
    // a table, where the parser keeps it), with only the attributes the check reads; any other
    // is left out. Raw text is kept whole.
    void keepStartTag(const Tag& tag, unsigned t, qsizetype elementEnd) {
        const bool forbidden =
            tag.tag == GUMBO_TAG_FORM || tag.tag == GUMBO_TAG_OBJECT || tag.tag == GUMBO_TAG_EMBED;
        if (tag.checked.empty() && !forbidden && !(t & RawText)) {
            leaveOut();
            return;
        }
        const QByteArray end = "</" + QByteArray::fromStdString(tag.name) + '>';
        QByteArrayView before;
        QByteArray after;
        if (t & RawText) {
        } else if (tag.tag == GUMBO_TAG_TD || tag.tag == GUMBO_TAG_TH) {
            before = "<table><tr>";
            after = end + "</tr></table>";
        } else if (tag.tag == GUMBO_TAG_COL) {
            before = "<table>";
            after = "</table>";
        } else if (t & TablePart) {
            before = "<table>";
            after = end + "</table>";
        } else if (!(t & (Void | Document))) {
            after = end;
        }
        keep(tag.start, tag.nameEnd, before, {});
        for (size_t i = 0; i < std::min(tag.checked.size(), kMaxKeptAttributes); ++i) {
            m_result.rest += ' ';
            keep(tag.checked[i].first, tag.checked[i].second, {}, {});
        }
        m_result.rest += '>';
        if (t & RawText)
            keep(tag.end, elementEnd, {}, {});
        m_result.rest += after;
    }

    void keep(qsizetype from, qsizetype to, QByteArrayView before, QByteArrayView after) {
        QByteArray& rest = m_result.rest;
        rest += before;
        m_result.pieces.push_back({rest.size(), from});
        rest += QByteArrayView(m_page).sliced(from, to - from);
        rest += after;
        m_leftOut = false;
    }

    // A comment keeps the texts on either side of what is left out apart, as they are in the
    // page.
    void leaveOut() {
        if (!m_leftOut)
            m_result.rest += "<!---->";
        m_leftOut = true;
    }

    const QByteArray& m_page;
    BoundedPage m_result;
    bool m_flat = false;
    bool m_leftOut = false; // the last thing past the bound was left out
    qint64 m_work = 0;
    std::vector<Open> m_stack;
    std::vector<qsizetype> m_boundaries; // where in m_stack
    std::vector<qsizetype> m_tables;     // where in m_stack
    int m_foreign = 0;                   // svg and math elements open
    std::vector<Active> m_active;
    std::vector<qsizetype> m_markers; // where in m_active
    std::vector<bool> m_opened;       // by formatting id: on the stack now
};

} // namespace

qsizetype BoundedPage::pageOffset(qsizetype restOffset) const {
    const auto after = std::upper_bound(
        pieces.begin(), pieces.end(), restOffset,
        [](qsizetype offset, const Piece& piece) { return offset < piece.restOffset; });
    if (after == pieces.begin())
        return boundAt;
    const Piece& piece = *(after - 1);
    return piece.pageOffset + (restOffset - piece.restOffset);
}

BoundedPage boundNesting(const QByteArray& utf8) {
    return NestingScan(utf8).run();
}

} // namespace check
