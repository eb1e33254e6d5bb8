#include "page_rules.h"

#include "title_rules.h"

#include <algorithm>
#include <array>

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

constexpr std::array<QStringView, 5> kWidthTexts = {u"640", u"800", u"100%", u"80%", u"60%"};
constexpr std::array<QStringView, 2> kPositionTexts = {u"center", u"left"};

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
    // Every placeholder starts with '%', and only a replaced placeholder can bring in another.
    if (!line.contains(u'%'))
        return line;
    if (line.contains(u"%maincolor"))
        line.replace(u"%maincolor"_s, m_mainColour);
    if (line.contains(u"%subcolor"))
        line.replace(u"%subcolor"_s, m_subColour);
    if (line.contains(u"%title")) {
        const QString placeholder = u"%title"_s;
        wrapAll(line, placeholder, kStyleWraps.at(m_style.titleStyle));
        wrapAll(line, placeholder, kTitleSizeWraps.at(m_style.titleSize));
        line.replace(placeholder, colourWrapped(m_titleColour, placeholder));
        line.replace(placeholder, m_title);
    }
    if (line.contains(u"%str1")) {
        styleHeading(line, u"商品詳細"_s);
        line.replace(u"%str1"_s, m_description);
    }
    if (line.contains(u"%str2")) {
        styleHeading(line, u"支払詳細"_s);
        styleText(line, u"%str2"_s);
        line.replace(u"%str2"_s, m_payment);
    }
    if (line.contains(u"%str3"))
        line.replace(u"%str3"_s, m_paymentNote);
    if (line.contains(u"%str4")) {
        styleHeading(line, u"発送詳細"_s);
        styleText(line, u"%str4"_s);
        line.replace(u"%str4"_s, m_shipping);
    }
    if (line.contains(u"%str5"))
        line.replace(u"%str5"_s, m_shippingNote);
    if (line.contains(u"%str6")) {
        if (m_notes) {
            styleHeading(line, u"注意事項"_s);
            line.replace(u"%str6"_s, *m_notes);
        } else {
            // Hidden notes take their whole box with them, heading and all.
            line.clear();
        }
    }
    if (line.contains(u"%width"))
        line.replace(u"%width"_s, kWidthTexts.at(m_style.width).toString());
    if (line.contains(u"%pos"))
        placeMarkers(line);
    return line;
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
        line += *m_booth;
    if (m_boothDisplay == 2 && m_booth && line.contains(u"/%pos"))
        line.prepend(u"<br>"_s + *m_booth);
    if (line.contains(u"/%pos"))
        line.replace(u"</%pos"_s, m_footer + u"</%pos"_s);
    line.replace(u"%pos"_s, kPositionTexts.at(m_style.position).toString());
    ++m_markerCount;
}

} // namespace page
