#include "page_check.h"

#include "checked_attributes.h"
#include "nesting_bound.h"
#include "platform/cp932.h"
#include "platform/cp932_table.h"
#include "text_scan.h"

#include <QHash>
#include <QLocale>
#include <QUrl>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <gumbo.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace check {
namespace {

using namespace Qt::StringLiterals;

constexpr qsizetype kLongestShownText = 80;
constexpr char32_t kReplacementCharacter = 0xFFFD;

// Where each line starts; a line ends at CR LF, LF or a lone CR, as the page's readers count.
class LineIndex {
public:
    explicit LineIndex(QByteArrayView text) {
        m_starts.push_back(0);
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            if (text[i] == '\n' || text[i] == '\r')
                m_starts.push_back(i + 1);
        }
    }
    int lineAt(qsizetype offset) const {
        return int(std::upper_bound(m_starts.begin(), m_starts.end(), offset) - m_starts.begin());
    }
    qsizetype startOf(int line) const { return m_starts[size_t(line - 1)]; }

private:
    std::vector<qsizetype> m_starts;
};

// Every block the parser takes is linked into one list and released from there: the parser's
// own release recurses once for each level of nesting, and a page of many thousand nested
// tables overflows the stack in it.
class ParserMemory {
public:
    ParserMemory() = default;
    ~ParserMemory() {
        for (Header* block = m_head.next; block != &m_head;) {
            Header* next = block->next;
            std::free(block);
            block = next;
        }
    }
    ParserMemory(const ParserMemory&) = delete;
    ParserMemory& operator=(const ParserMemory&) = delete;

    static void* allocate(void* memory, size_t size) {
        auto* block = static_cast<Header*>(std::malloc(sizeof(Header) + size));
        if (!block)
            std::abort(); // the parser cannot go on, and no exception may pass through its C code
        Header& head = static_cast<ParserMemory*>(memory)->m_head;
        *block = {&head, head.next};
        head.next->prev = block;
        head.next = block;
        return block + 1;
    }
    static void release(void*, void* pointer) {
        if (!pointer)
            return;
        Header* block = static_cast<Header*>(pointer) - 1;
        block->prev->next = block->next;
        block->next->prev = block->prev;
        std::free(block);
    }

private:
    struct alignas(16) Header {
        Header* prev;
        Header* next;
    };
    Header m_head{&m_head, &m_head};
};

class ParsedPage {
public:
    explicit ParsedPage(const QByteArray& utf8) : m_options(kGumboDefaultOptions) {
        m_options.allocator = &ParserMemory::allocate;
        m_options.deallocator = &ParserMemory::release;
        m_options.userdata = &m_memory;
        m_options.max_errors = 0; // the parse errors are not used, and recording them costs time
        m_output = gumbo_parse_with_options(&m_options, utf8.constData(), size_t(utf8.size()));
    }

    const GumboNode* document() const { return m_output->document; }

private:
    ParserMemory m_memory; // holds the whole parse
    GumboOptions m_options;
    GumboOutput* m_output;
};

QString fromPiece(const GumboStringPiece& piece) {
    return QString::fromUtf8(piece.data, qsizetype(piece.length));
}

// One line for the list: blanks and line breaks run together, long texts cut.
QString shown(const QString& text) {
    const QString line = text.simplified();
    return line.size() <= kLongestShownText ? line : line.first(kLongestShownText - 1) + u'…';
}

bool isClone(const GumboNode& node) {
    // A formatting element reopened by the parser repeats one that is already checked.
    return node.parse_flags & (GUMBO_INSERTION_RECONSTRUCTED_FORMATTING_ELEMENT |
                               GUMBO_INSERTION_ADOPTION_AGENCY_CLONED);
}

bool isTag(const GumboNode* node, GumboTag tag) {
    return node && node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag;
}

QString attributeValue(const GumboElement& element, const char* name) {
    const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
    return attribute ? QString::fromUtf8(attribute->value).trimmed() : QString();
}

// The start of an address as a browser reads it, in lower case: tabs and line breaks inside it
// and blanks and control characters before it do not count, so "java&#9;script:" still runs.
std::string schemeOf(std::string_view value) {
    std::string start;
    for (char c : value) {
        if (c == '\t' || c == '\n' || c == '\r' || (start.empty() && uchar(c) <= 0x20))
            continue;
        start += char(std::tolower(uchar(c)));
        if (start.size() == 11 || c == ':')
            break;
    }
    return start;
}

// For each LF the parser makes of a node's source text, in order: whether it ends a line of
// the source (CR LF, LF or a lone CR) rather than standing for a reference to LF.
std::vector<bool> lineEndsOf(QByteArrayView source) {
    std::vector<std::pair<qsizetype, bool>> feeds;
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] == '\r' || source[i] == '\n')
            feeds.emplace_back(i, true);
        if (source[i] == '\r' && i + 1 < source.size() && source[i + 1] == '\n')
            ++i;
    }
    findCharacterReferences(source, [&](const CharacterReference& reference) {
        if (reference.codePoint == U'\n')
            feeds.emplace_back(reference.position, false);
    });
    for (qsizetype at = source.indexOf("&NewLine;"); at >= 0;
         at = source.indexOf("&NewLine;", at + 1))
        feeds.emplace_back(at, false);
    std::sort(feeds.begin(), feeds.end());
    std::vector<bool> endsLine;
    endsLine.reserve(feeds.size());
    for (const auto& feed : feeds)
        endsLine.push_back(feed.second);
    return endsLine;
}

const QString kOffServiceContact =
    u"を載せると、オークションの外での取引とみなされることがあります。削除してください。"_s;

class PageChecker {
public:
    PageChecker(const QByteArray& utf8, const CheckSettings& settings)
        : m_utf8(utf8), m_lines(utf8), m_settings(settings) {}

    // `rest` maps the offsets of a document parsed from BoundedPage::rest.
    void visit(const GumboNode* document, const BoundedPage* rest = nullptr) {
        m_rest = rest;
        // Iterative: a page of thousands of nested tables must not exhaust the stack.
        struct Pending {
            const GumboNode* node;
            bool inCell; // below a table cell or caption
        };
        std::vector<Pending> pending{{document, false}};
        while (!pending.empty()) {
            const auto [node, inCell] = pending.back();
            pending.pop_back();
            const GumboVector* children = nullptr;
            bool childrenInCell = inCell;
            if (node->type == GUMBO_NODE_DOCUMENT) {
                children = &node->v.document.children;
            } else if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) {
                checkElement(*node, inCell);
                children = &node->v.element.children;
                childrenInCell = inCell || isTag(node, GUMBO_TAG_TD) || isTag(node, GUMBO_TAG_TH) ||
                                 isTag(node, GUMBO_TAG_CAPTION);
            } else if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_CDATA) {
                checkText(*node);
            }
            if (children)
                for (unsigned i = children->length; i-- > 0;)
                    pending.push_back(
                        {static_cast<const GumboNode*>(children->data[i]), childrenInCell});
        }
        m_rest = nullptr;
    }

    void reportBound(const BoundedPage& bounded) {
        m_boundAt = bounded.boundAt;
        if (m_boundAt < 0)
            return;
        addAt(bounded.boundAt, Severity::Warning, FindingKind::TooDeeplyNested,
              QString::fromUtf8(
                  QByteArrayView(m_utf8).sliced(bounded.boundAt, qMin(bounded.boundLength, 1000))),
              u"タグの入れ子が深すぎるか閉じていないタグが多すぎるため、ここから後ろは閉じ忘れを"
              u"調べていません。ブラウザーでも表示が崩れることがあります。タグを閉じて、入れ子を "
              u"%1 段までにしてください。"_s.arg(kMaxNesting));
    }

    void checkSize(const QByteArray& pageBytes) {
        if (!m_settings.maxPageBytes || pageBytes.size() <= *m_settings.maxPageBytes)
            return;
        const qint64 limit = *m_settings.maxPageBytes;
        // The line holding the first byte past the limit; CR and LF are never part of a
        // two-byte CP932 character, so the lines of the bytes are the lines of the text.
        const int line = LineIndex(pageBytes).lineAt(qsizetype(limit));
        const QLocale japanese(QLocale::Japanese, QLocale::Japan);
        add(line, m_lines.startOf(line), Severity::Error, FindingKind::PageTooLarge,
            u"ページ全体で %1 バイト"_s.arg(japanese.toString(qint64(pageBytes.size()))),
            u"この行でページが上限の %1 バイトを超えます。説明や装飾を減らしてください。"_s.arg(
                japanese.toString(limit)));
    }

    QList<Finding> findings() {
        std::stable_sort(m_found.begin(), m_found.end(), [](const Entry& a, const Entry& b) {
            return std::pair(a.finding.line, a.order) < std::pair(b.finding.line, b.order);
        });
        QList<Finding> result;
        result.reserve(qsizetype(m_found.size()));
        for (Entry& entry : m_found)
            result << std::move(entry.finding);
        return result;
    }

private:
    struct Entry {
        qsizetype order; // position in the page, to keep findings of one line in page order
        Finding finding;
    };

    void add(int line, qsizetype order, Severity severity, FindingKind kind, const QString& text,
             const QString& advice) {
        m_found.push_back({order, {severity, kind, line, shown(text), advice}});
    }
    void addAt(qsizetype offset, Severity severity, FindingKind kind, const QString& text,
               const QString& advice) {
        add(m_lines.lineAt(offset), offset, severity, kind, text, advice);
    }

    // Where a parsed offset stands in the page.
    qsizetype pageOffset(qsizetype parsed) const {
        return m_rest ? m_rest->pageOffset(parsed) : parsed;
    }

    // Closed by the parser, not by its end tag. Past the bound the end tags are not followed, so
    // an element still open there may well be closed later.
    bool isUnclosed(const GumboNode& node) const {
        return node.parse_flags & GUMBO_INSERTION_IMPLICIT_END_TAG &&
               (m_boundAt < 0 || node.v.element.end_pos.offset < m_boundAt);
    }

    void checkElement(const GumboNode& node, bool inCell) {
        if (isClone(node))
            return;
        const GumboElement& element = node.v.element;
        for (unsigned i = 0; i < element.attributes.length; ++i)
            checkAttribute(element,
                           *static_cast<const GumboAttribute*>(element.attributes.data[i]));
        if (element.original_tag.length == 0)
            return; // put in by the parser, not written in the page
        const qsizetype at = pageOffset(element.start_pos.offset);
        const auto tag = [&] { return fromPiece(element.original_tag); };
        switch (element.tag) {
        case GUMBO_TAG_SCRIPT:
        case GUMBO_TAG_IFRAME:
        case GUMBO_TAG_FORM:
        case GUMBO_TAG_OBJECT:
        case GUMBO_TAG_EMBED:
            addAt(at, Severity::Error, FindingKind::ForbiddenElement, tag(),
                  u"<%1> はオークションの商品説明では使えません。削除してください。"_s.arg(
                      QLatin1StringView(gumbo_normalized_tagname(element.tag))));
            break;
        case GUMBO_TAG_META:
            if (attributeValue(element, "http-equiv").compare(u"refresh", Qt::CaseInsensitive) == 0)
                addAt(at, Severity::Error, FindingKind::ForbiddenElement, tag(),
                      u"ページを自動で切り替える <meta> は使えません。削除してください。"_s);
            break;
        case GUMBO_TAG_TABLE:
            if (isUnclosed(node))
                addAt(at, Severity::Error, FindingKind::UnclosedTag, tag(),
                      u"この <table> "
                      u"が閉じられていないため、ページの残りがこの表の中に入ってしまいます。"
                      u"</table> を足して、<table> と </table> の数をそろえてください。"_s);
            break;
        case GUMBO_TAG_FONT:
            // The end of a cell closes every font opened inside it, so such a font stops there.
            if (isUnclosed(node) && !inCell)
                addAt(at, Severity::Error, FindingKind::UnclosedTag, tag(),
                      u"この <font> が閉じられていないため、後ろの文字すべてにかかってしまいます。"
                      u"</font> を足してください。"_s);
            break;
        default:
            break;
        }
    }

    void checkAttribute(const GumboElement& element, const GumboAttribute& attribute) {
        const std::string_view name = attribute.name; // in lower case
        const qsizetype at = pageOffset(attribute.name_start.offset);
        const auto text = [&] {
            QString text = fromPiece(attribute.original_name);
            if (attribute.original_value.length > 0)
                text += u'=' + fromPiece(attribute.original_value);
            return text;
        };
        if (isEventAttribute(name)) {
            addAt(at, Severity::Error, FindingKind::EventAttribute, text(),
                  u"%1 属性はスクリプトを動かすため使えません。この属性を削除してください。"_s.arg(
                      QString::fromUtf8(name)));
            return;
        }
        if (!isAddressAttribute(name))
            return;
        const std::string scheme = schemeOf(attribute.value);
        if (scheme == "javascript:" || scheme == "vbscript:") {
            addAt(at, Severity::Error, FindingKind::ScriptAddress, text(),
                  u"スクリプトを動かすアドレスは使えません。https:// のアドレスに変えるか、"
                  u"削除してください。"_s);
            return;
        }
        const bool isLink =
            (element.tag == GUMBO_TAG_A || element.tag == GUMBO_TAG_AREA) && name == "href";
        const bool isImage =
            name == "background" ||
            (name == "src" &&
             (element.tag == GUMBO_TAG_IMG ||
              (element.tag == GUMBO_TAG_INPUT &&
               attributeValue(element, "type").compare(u"image", Qt::CaseInsensitive) == 0)));
        if (scheme == "http:") {
            if (isImage)
                addAt(at, Severity::Warning, FindingKind::InsecureImage, text(),
                      u"http:// の画像は https のページでは表示されないことがあります。"
                      u"https:// のアドレスに変えてください。"_s);
            else if (isLink)
                addAt(at, Severity::Warning, FindingKind::InsecureLink, text(),
                      u"http:// のリンクはブラウザーが警告を出すことがあります。"
                      u"https:// のアドレスに変えてください。"_s);
        }
        if (!isLink)
            return;
        if (scheme == "mailto:")
            addAt(at, Severity::Warning, FindingKind::EmailAddress, text(),
                  u"メールアドレス"_s + kOffServiceContact);
        else if (scheme == "tel:")
            addAt(at, Severity::Warning, FindingKind::PhoneNumber, text(),
                  u"電話番号"_s + kOffServiceContact);
        else if (const QString host = QUrl(QString::fromUtf8(attribute.value).trimmed()).host();
                 isOtherShop(host))
            add(m_lines.lineAt(at), at, Severity::Warning, FindingKind::OtherShopLink, text(),
                otherShopAdvice(host));
    }

    // The listed host that `host` is or lies below, or none.
    std::optional<QString> otherShopOf(const QString& host) const {
        if (host.isEmpty())
            return std::nullopt;
        for (const QString& shop : m_settings.otherShopHosts) {
            if (host.compare(shop, Qt::CaseInsensitive) == 0 ||
                (host.endsWith(shop, Qt::CaseInsensitive) &&
                 host.at(host.size() - shop.size() - 1) == u'.'))
                return shop;
        }
        return std::nullopt;
    }
    bool isOtherShop(const QString& host) const { return otherShopOf(host).has_value(); }
    QString otherShopAdvice(const QString& host) const {
        return u"ほかのショップやオークションのサイト（%1）への案内は、出品の取り消しに"
               u"つながることがあります。削除してください。"_s.arg(
                   otherShopOf(host).value_or(host));
    }

    void checkText(const GumboNode& node) {
        // Script and style text is not shown; the script itself is already reported.
        if (isTag(node.parent, GUMBO_TAG_SCRIPT) || isTag(node.parent, GUMBO_TAG_STYLE))
            return;
        const GumboText& text = node.v.text;
        const qsizetype start = pageOffset(text.start_pos.offset);
        findCharacterReferences(
            QByteArrayView(text.original_text.data, qsizetype(text.original_text.length)),
            [&](const CharacterReference& reference) {
                if (hasCp932Form(reference.codePoint))
                    return;
                const QString written = QString::fromUtf8(reference.text);
                const QString advice =
                    reference.codePoint == kReplacementCharacter
                        ? u"%1 はどの文字にも当たらないため、ブラウザーでは � と表示されます。"
                          u"削除してください。"_s.arg(written)
                        : u"「%1」は Shift_JIS にない文字のため %2 と書かれ、見る環境によって"
                          u"表示が変わることがあります。ほかの文字に置き換えてください。"_s.arg(
                              QString::fromUcs4(&reference.codePoint, 1), written);
                addAt(start + reference.position, Severity::Notice, FindingKind::CharacterReference,
                      written, advice);
            });

        // Only digits, "@" and ":" (or their full-width forms, all led by the byte 0xEF) start
        // a contact detail or an address: most text nodes need no search at all.
        const std::string_view raw = text.text;
        if (std::none_of(raw.begin(), raw.end(), [](char c) {
                return (c >= '0' && c <= '9') || c == '@' || c == ':' || uchar(c) == 0xEF;
            }))
            return;
        const QString decoded = QString::fromUtf8(raw);
        const QString folded = foldWidth(decoded);
        // The parser turns every line end of the source into one LF, and so does a reference
        // to LF (&#10;): counting the LFs before a match that end a source line finds its line.
        const std::vector<bool> endsLine = lineEndsOf(
            QByteArrayView(text.original_text.data, qsizetype(text.original_text.length)));
        const int firstLine = m_lines.lineAt(start);
        const int lastLine = m_lines.lineAt(
            start + std::max<qsizetype>(0, qsizetype(text.original_text.length) - 1));
        qsizetype countedTo = 0;
        std::size_t lineFeeds = 0;
        int line = firstLine;
        const auto lineOf = [&](qsizetype position) {
            if (position < countedTo) {
                countedTo = 0;
                lineFeeds = 0;
                line = firstLine;
            }
            for (; countedTo < position; ++countedTo) {
                if (folded[countedTo] != u'\n')
                    continue;
                if (lineFeeds >= endsLine.size() || endsLine[lineFeeds])
                    ++line;
                ++lineFeeds;
            }
            return std::min(line, lastLine);
        };
        const auto original = [&](const TextMatch& m) {
            return decoded.sliced(m.position, m.text.size());
        };
        findEmailAddresses(folded, [&](const TextMatch& m) {
            add(lineOf(m.position), start + m.position, Severity::Warning,
                FindingKind::EmailAddress, original(m), u"メールアドレス"_s + kOffServiceContact);
        });
        findPhoneNumbers(folded, [&](const TextMatch& m) {
            add(lineOf(m.position), start + m.position, Severity::Warning, FindingKind::PhoneNumber,
                original(m), u"電話番号"_s + kOffServiceContact);
        });
        findWebAddresses(folded, [&](const TextMatch& m) {
            const QString host = QUrl(m.text).host();
            if (isOtherShop(host))
                add(lineOf(m.position), start + m.position, Severity::Warning,
                    FindingKind::OtherShopLink, original(m), otherShopAdvice(host));
        });
    }

    bool hasCp932Form(char32_t codePoint) {
        auto known = m_encodable.constFind(codePoint);
        if (known == m_encodable.cend())
            known = m_encodable.insert(
                codePoint, codePoint != kReplacementCharacter &&
                               platform::isCp932Encodable(QString::fromUcs4(&codePoint, 1)));
        return *known;
    }

    const QByteArray& m_utf8;
    LineIndex m_lines;
    const CheckSettings& m_settings;
    const BoundedPage* m_rest = nullptr;
    qsizetype m_boundAt = -1;
    std::vector<Entry> m_found;
    QHash<char32_t, bool> m_encodable;
};

} // namespace

QList<Finding> checkPage(const QByteArray& pageBytes, const CheckSettings& settings) {
    const QByteArray utf8 = platform::utf8FromCp932(pageBytes);
    PageChecker checker(utf8, settings);
    checker.checkSize(pageBytes);
    const BoundedPage bounded = boundNesting(utf8);
    checker.reportBound(bounded);
    checker.visit(ParsedPage(bounded.followed).document());
    if (bounded.boundAt >= 0)
        checker.visit(ParsedPage(bounded.rest).document(), &bounded);
    return checker.findings();
}

QString severityText(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return u"エラー"_s;
    case Severity::Warning:
        return u"警告"_s;
    case Severity::Notice:
        break;
    }
    return u"確認"_s;
}

} // namespace check
