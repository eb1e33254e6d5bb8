#include "page_rules.h"

#include "core/option_lists.h"
#include "title_rules.h"

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace page {
namespace {

// The HTML a style or size choice puts around the text it applies to.
struct Wrap {
    QStringView open, close;
};
constexpr Wrap kPlain{};
constexpr Wrap kBold{u"<b>", u"</b>"};
constexpr Wrap kSize5{u"<font size=5>", u"</font>"};
constexpr Wrap kSize7{u"<font size=7>", u"</font>"};
constexpr Wrap kSize2{u"<font size=2>", u"</font>"};

constexpr std::array<Wrap, 2> kStyleWraps = {kPlain, kBold}; // title, heading and text style
constexpr std::array<Wrap, 3> kTitleSizeWraps = {kPlain, kSize5, kSize7};
constexpr std::array<Wrap, 2> kHeadingSizeWraps = {kPlain, kSize5};
constexpr std::array<Wrap, 2> kTextSizeWraps = {kSize2, kPlain}; // "小" is the first choice

constexpr std::array<QStringView, 2> kPositionTexts = {u"center", u"left"};

// Where the booth banner and the footer credit go, until the values are filled in:
// noncharacters, which no template text read from a file can hold.
constexpr QChar kBoothMark(0xFDD0);
constexpr QChar kFooterMark(0xFDD1);

// Every occurrence of `word` on the line put inside the wrap.
void wrapAll(QString& line, const QString& word, const Wrap& wrap) {
    if (wrap.open.isEmpty())
        return;
    QString wrapped = wrap.open.toString();
    wrapped += word;
    wrapped += wrap.close;
    line.replace(word, wrapped);
}

QString colourWrapped(const QString& colour, const QString& word) {
    return u"<font color="_s + colour + u'>' + word + u"</font>"_s;
}

QString withBreakTags(QString text) {
    return text.replace(u"\r\n"_s, u"<br>"_s);
}

// The payment and shipping paragraphs: each item starts with "・" and goes on a line of its
// own, the first one without a break before it.
QString bulletParagraph(const QString& text) {
    QString paragraph = text;
    paragraph.replace(u"・"_s, u"<br>・"_s);
    const qsizetype firstBreak = paragraph.indexOf(u"<br>");
    if (firstBreak >= 0)
        paragraph.replace(firstBreak, 4, u"    "_s);
    return trimmedOfSpaces(paragraph);
}

// A note for the explanation paragraphs: nothing when hidden or empty.
QString explanation(core::CheckValue hidden, const QString& text) {
    if (core::isTicked(hidden) || text.isEmpty())
        return {};
    return u"<br>"_s + withBreakTags(text);
}

std::optional<QString> firstEntryHolding(const QStringList& table, QStringView word) {
    for (const QString& entry : table)
        if (entry.contains(word))
            return entry;
    return std::nullopt;
}

// Where the parcel leaves from, with the carrier's fee-table link, for each carrier named.
QString withCarrierNotes(QString shipping, const QString& region, const QStringList& links) {
    struct Carrier {
        QStringView item, linkWord, separator;
    };
    static constexpr std::array<Carrier, 3> carriers = {{
        {u"・ゆうパック", u"ゆうパック", u"&nbsp;&nbsp; &nbsp;   "},
        {u"・クロネコ宅急便", u"宅急便", u"&nbsp; &nbsp; &nbsp;   "},
        {u"・はこBOON", u"はこBOON", u"&nbsp; &nbsp; &nbsp;   "},
    }};
    if (region.isEmpty())
        return shipping;
    std::array<bool, carriers.size()> named{};
    for (std::size_t i = 0; i < carriers.size(); ++i)
        named[i] = shipping.contains(carriers[i].item);
    if (std::find(named.begin(), named.end(), true) == named.end())
        return shipping;
    shipping += u"<br>"_s;
    for (std::size_t i = 0; i < carriers.size(); ++i) {
        if (!named[i])
            continue;
        shipping += u"<br>"_s;
        shipping += carriers[i].item;
        shipping += u'は' + region + u"からの発送"_s;
        if (const auto link = firstEntryHolding(links, carriers[i].linkWord)) {
            shipping += carriers[i].separator;
            shipping += *link;
        }
    }
    return shipping;
}

std::optional<QString> boothBanner(const core::ListingRecord& record, const QStringList& links) {
    if (record.OptionBooth1 || record.OptionBooth2) {
        auto entry = firstEntryHolding(links, record.OptionBooth1 ? u"banner" : u"button");
        if (entry)
            entry->replace(u"%yahooid"_s, record.Textyahooid);
        return entry;
    }
    // The seller's own text goes in as typed, even when empty.
    if (record.OptionBooth3)
        return record.TextBoothUser;
    return std::nullopt;
}

QString footerCredit(const QString& homePage) {
    return u"<br><br><font size=2 color=#777777>■　こちらの商品案内は　</font>"_s +
           u"<a href=\""_s + homePage + u"\" target='_blank'>"_s +
           u"<font size=2 color=#000000>ともえオークション</font></a>"_s +
           u"<font size=2 color=#777777>　で作成しました　■</font>"_s;
}

QString colourText(platform::ColourValue colour) {
    return ColorToHtml(qint32(colour));
}

} // namespace

PageExpander::PageExpander(const PageInputs& inputs, const PageStyle& style)
    : m_style(style), m_mainColour(colourText(inputs.mainColours.at(style.colourPreset))),
      m_subColour(colourText(inputs.subColours.at(style.colourPreset))),
      m_titleColour(colourText(inputs.titleColour)),
      m_headingColour(colourText(inputs.headingColour)),
      m_textColour(colourText(inputs.textColour)) {
    const core::ListingRecord& r = inputs.record;
    m_title = r.TextBoxタイトル;
    m_description = withBreakTags(r.TextBox商品説明);
    m_payment = bulletParagraph(r.Label支払い方法);
    m_paymentNote = explanation(r.Check支払いl説明, r.Text支払説明);
    m_shipping = withCarrierNotes(bulletParagraph(r.Label送料1 + r.Label送料2), inputs.regionName,
                                  inputs.linkTable);
    m_shippingNote = explanation(r.Check発送説明, r.Text発送注意事項);
    if (!core::isTicked(r.Check注意事項) && !r.Text注意事項.isEmpty())
        m_notes = withBreakTags(r.Text注意事項);
    m_boothDisplay = r.ComboMyBooth.position;
    m_booth = boothBanner(r, inputs.linkTable);
    m_footer = footerCredit(inputs.homePage);
}

QString PageExpander::expand(QString line) {
    // Every placeholder starts with '%'.
    if (!line.contains(u'%'))
        return line;
    // The styles go around the template's own text first; the values go in last, in one pass,
    // so a seller's text that holds a placeholder's name or a heading word stays as written.
    if (line.contains(u"%title")) {
        const QString placeholder = u"%title"_s;
        wrapAll(line, placeholder, kStyleWraps.at(m_style.titleStyle));
        wrapAll(line, placeholder, kTitleSizeWraps.at(m_style.titleSize));
        line.replace(placeholder, colourWrapped(m_titleColour, placeholder));
    }
    if (line.contains(u"%str1"))
        styleHeading(line, u"商品詳細"_s);
    if (line.contains(u"%str2")) {
        styleHeading(line, u"支払詳細"_s);
        styleText(line, u"%str2"_s);
    }
    if (line.contains(u"%str4")) {
        styleHeading(line, u"発送詳細"_s);
        styleText(line, u"%str4"_s);
    }
    if (line.contains(u"%str6")) {
        // Hidden notes take their whole box with them, heading and all.
        if (!m_notes)
            return {};
        styleHeading(line, u"注意事項"_s);
    }
    if (line.contains(u"%pos"))
        placeMarkers(line);
    return filledIn(line);
}

void PageExpander::styleHeading(QString& line, const QString& heading) const {
    wrapAll(line, heading, kStyleWraps.at(m_style.headingStyle));
    wrapAll(line, heading, kHeadingSizeWraps.at(m_style.headingSize));
    line.replace(heading, colourWrapped(m_headingColour, heading));
}

void PageExpander::styleText(QString& line, const QString& placeholder) const {
    wrapAll(line, placeholder, kStyleWraps.at(m_style.textStyle));
    wrapAll(line, placeholder, kTextSizeWraps.at(m_style.textSize));
    line.replace(placeholder, colourWrapped(m_textColour, placeholder));
}

// The opening marker takes the banner shown before the item information; every closing
// marker takes the banner shown after it and the footer credit.
void PageExpander::placeMarkers(QString& line) {
    if (m_boothDisplay == 1 && m_markerCount == 0 && m_booth)
        line += kBoothMark;
    if (m_boothDisplay == 2 && m_booth && line.contains(u"/%pos"))
        line.prepend(u"<br>"_s + kBoothMark);
    if (line.contains(u"/%pos"))
        line.replace(u"</%pos"_s, kFooterMark + u"</%pos"_s);
    ++m_markerCount;
}

// Every placeholder and mark replaced by its value, left to right; a value is not read again.
QString PageExpander::filledIn(const QString& line) const {
    const std::array<std::pair<QStringView, QStringView>, 11> values = {{
        {u"%maincolor", m_mainColour},
        {u"%subcolor", m_subColour},
        {u"%title", m_title},
        {u"%str1", m_description},
        {u"%str2", m_payment},
        {u"%str3", m_paymentNote},
        {u"%str4", m_shipping},
        {u"%str5", m_shippingNote},
        {u"%str6", m_notes ? QStringView(*m_notes) : QStringView()},
        {u"%width", core::kDisplayWidths.at(m_style.width)},
        {u"%pos", kPositionTexts.at(m_style.position)},
    }};
    QString page;
    page.reserve(line.size());
    const QStringView rest(line);
    for (qsizetype i = 0; i < rest.size();) {
        const QChar c = rest[i];
        if (c == kBoothMark || c == kFooterMark) {
            page += c == kFooterMark ? m_footer : m_booth.value_or(QString());
            ++i;
            continue;
        }
        const auto placeholder =
            c != u'%' ? values.end()
                      : std::find_if(values.begin(), values.end(), [&](const auto& value) {
                            return rest.sliced(i).startsWith(value.first);
                        });
        if (placeholder == values.end()) {
            page += c;
            ++i;
            continue;
        }
        page += placeholder->second;
        i += placeholder->first.size();
    }
    return page;
}

} // namespace page
