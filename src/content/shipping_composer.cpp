#include "shipping_composer.h"

#include "core/option_lists.h"

#include <array>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace content {
namespace {

using core::isTicked;

constexpr QLatin1String kLineBreak("\r\n");
constexpr int kSizeCount = 10;
constexpr int kLastLetterPackWeightPosition = 9; // 4 kg
constexpr int kLastMailBinSizePosition = 1;
constexpr int kMailBinWeightLimit = 1000;
constexpr int kLastHakoBoonSizePosition = 8;
// Above every real price, so the first priced method becomes the cheapest.
constexpr int kNoPriceYet = 30000;

// ゆうパック by size position.
constexpr std::array<QStringView, kSizeCount> kYuPackTexts = {
    u"・ゆうパック60サイズ　",  u"・ゆうパック80サイズ　",  u"・ゆうパック80サイズ　",
    u"・ゆうパック100サイズ　", u"・ゆうパック100サイズ　", u"・ゆうパック120サイズ　",
    u"・ゆうパック140サイズ　", u"・ゆうパック160サイズ　", u"・ゆうパック160サイズ　",
    u"・ゆうパック170サイズ　"};

// 宅急便 size class by size position; 0: the size gives no class.
constexpr std::array<int, kSizeCount> kTakkyubinSizeClasses = {1, 2, 2, 3, 3, 4, 5, 6, 6, 0};

// 宅急便 by class 1–6.
constexpr std::array<QStringView, 6> kTakkyubinTexts = {
    u"・クロネコ宅急便60サイズ　",  u"・クロネコ宅急便80サイズ　",  u"・クロネコ宅急便100サイズ　",
    u"・クロネコ宅急便120サイズ　", u"・クロネコ宅急便140サイズ　", u"・クロネコ宅急便160サイズ　"};

// はこBOON by weight class 1–6.
constexpr std::array<QStringView, 6> kHakoBoonTexts = {
    u"・はこBOON 2kg以下",  u"・はこBOON 5kg以下",  u"・はこBOON 10kg以下",
    u"・はこBOON 15kg以下", u"・はこBOON 20kg以下", u"・はこBOON 25kg以下"};

// メール便 by envelope class 0–7; classes 4–7 are the express ones.
constexpr std::array<int, 8> kMailBinPrices = {80, 160, 160, 240, 180, 260, 260, 340};
constexpr int kFirstExpressEnvelopeClass = 4;

constexpr QStringView kCarryInDiscount = u"○持込割引　";

// Class 1–6 as its text; any other class gives the empty text.
QString classText(const std::array<QStringView, 6>& texts, int itemClass) {
    if (itemClass < 1 || itemClass > int(texts.size()))
        return QString();
    return texts[std::size_t(itemClass - 1)].toString();
}

int letterRate(const RateRows& rows, int grams) {
    const int row = rows.firstFittingRow(grams);
    return row == 0 ? 0 : rows.rows[std::size_t(row - 1)].price;
}

int mailBinPrice(int sizePosition, int grams, int envelopeClass) {
    if (sizePosition > kLastMailBinSizePosition || grams > kMailBinWeightLimit)
        return 0;
    if (envelopeClass < 0 || envelopeClass >= int(kMailBinPrices.size()))
        return 0;
    return kMailBinPrices[std::size_t(envelopeClass)];
}

QString yuPackText(int sizePosition, bool carryIn) {
    QString text = kYuPackTexts[std::size_t(sizePosition)].toString();
    if (carryIn)
        text += kCarryInDiscount;
    return text;
}

QString takkyubinText(int sizePosition, int grams, const RateRows& rows, bool carryIn) {
    const int sizeClass = kTakkyubinSizeClasses[std::size_t(sizePosition)];
    const int weightClass = rows.firstFittingRow(grams);
    QString text = classText(kTakkyubinTexts, std::max(sizeClass, weightClass));
    if (carryIn)
        text += kCarryInDiscount;
    return text;
}

QString hakoBoonText(int sizePosition, int grams, const RateRows& rows) {
    if (sizePosition > kLastHakoBoonSizePosition)
        return QString();
    return classText(kHakoBoonTexts, rows.firstFittingRow(grams));
}

// The full list and the cheapest list, each in two columns of which the first takes five
// lines.
class ShippingLists {
public:
    void addMiniLetter() {
        const QString line = u"・ミニレター 60円　"_s + kLineBreak;
        m_list1 += line;
        m_cheap1 = line;
        m_lowestPrice = 60;
        m_listedCount = 1;
        m_cheapestCount = 1;
    }

    // A method priced by size and weight; its line always goes to the first column.
    void addPriced(const QString& label, int price) {
        const QString line = label + QString::number(price) + u"円　"_s + kLineBreak;
        m_list1 += line;
        if (price == m_lowestPrice) {
            m_cheap1 += line;
            ++m_cheapestCount;
        }
        if (price < m_lowestPrice) {
            m_cheap1 = line;
            m_cheapestCount = 1;
        }
        if (price <= m_lowestPrice)
            m_lowestPrice = price;
        ++m_listedCount;
    }

    // The full list shows the price after a full-width space, the cheapest list after an
    // ordinary one.
    void addLetterPack(const QString& name, int price) {
        const QString priceText = QString::number(price) + u"円　"_s + kLineBreak;
        listColumn() += u"・"_s + name + u"　"_s + priceText;
        const QString cheapLine = u"・"_s + name + u" "_s + priceText;
        if (m_lowestPrice == price) {
            cheapColumn() += cheapLine;
            ++m_cheapestCount;
        }
        if (m_lowestPrice > price) {
            m_cheap1 = cheapLine;
            m_cheapestCount = 1;
            m_lowestPrice = price;
        }
        ++m_listedCount;
    }

    // Parcel services show in both lists; an empty text still takes a line.
    void addParcel(const QString& text) {
        const QString line = text + kLineBreak;
        listColumn() += line;
        cheapColumn() += line;
        ++m_listedCount;
        ++m_cheapestCount;
    }

    // The free text ends the lists, so it takes no line break and is not counted.
    void addOtherCarrier(const QString& text) {
        const QString line = u"・"_s + text;
        listColumn() += line;
        cheapColumn() += line;
    }

    ShippingCaptions full() const { return {m_list1, m_list2}; }
    ShippingCaptions cheapest() const { return {m_cheap1, m_cheap2}; }

private:
    QString& listColumn() { return m_listedCount < 5 ? m_list1 : m_list2; }
    QString& cheapColumn() { return m_cheapestCount > 4 ? m_cheap2 : m_cheap1; }

    QString m_list1, m_list2, m_cheap1, m_cheap2;
    int m_listedCount = 0;
    int m_cheapestCount = 0;
    int m_lowestPrice = kNoPriceYet;
};

} // namespace

ShippingCaptions ComposeShippingText(const core::ListingRecord& record,
                                     const ShippingRateTable& rates) {
    // A position outside its list counts as no choice, so no table is read past its end.
    const int sizePosition = record.ComboBox商品サイズ.position;
    const int weightPosition = record.ComboBox商品重さ.position;
    const std::optional<int> grams = core::weightGramsAt(weightPosition);
    if (sizePosition < 0 || sizePosition >= kSizeCount || !grams)
        return {};

    if (isTicked(record.CheckBox送料一律))
        return {u"・"_s + record.TextBox送料一律, QString()};

    ShippingLists lists;
    if (isTicked(record.CheckBoxミニレター) && sizePosition == 0 && weightPosition == 0)
        lists.addMiniLetter();

    const auto addPriced = [&lists](core::CheckValue ticked, const QString& label, int price) {
        if (isTicked(ticked) && price > 0)
            lists.addPriced(label, price);
    };
    addPriced(record.CheckBox定形郵便, u"・定形郵便 "_s,
              sizePosition == 0 ? letterRate(rates.standardLetter, *grams) : 0);
    addPriced(record.CheckBox定形外郵便, u"・定形外郵便 "_s,
              sizePosition <= 3 ? letterRate(rates.nonStandardLetter, *grams) : 0);
    const int envelopeClass = record.ComboBoxクロネコメール便.position;
    if (envelopeClass >= 0) {
        addPriced(record.CheckBoxクロネコメール便,
                  envelopeClass < kFirstExpressEnvelopeClass ? u"・クロネコメール便 "_s
                                                             : u"・クロネコメール便速達 "_s,
                  mailBinPrice(sizePosition, *grams, envelopeClass));
    }
    addPriced(record.CheckBoxゆうメール, u"・ゆうメール "_s, letterRate(rates.bookPost, *grams));

    const bool letterPackFits =
        sizePosition == 0 && weightPosition <= kLastLetterPackWeightPosition;
    if (isTicked(record.CheckBoxレターパック350) && letterPackFits)
        lists.addLetterPack(u"レターパック350"_s, 350);
    if (isTicked(record.CheckBoxレターパック500) && letterPackFits)
        lists.addLetterPack(u"レターパック500"_s, 500);

    if (isTicked(record.CheckBoxゆうパック))
        lists.addParcel(yuPackText(sizePosition, isTicked(record.CheckBoxゆうパック持込割引)));
    if (isTicked(record.CheckBoxクロネコ宅急便)) {
        lists.addParcel(takkyubinText(sizePosition, *grams, rates.takkyubin,
                                      isTicked(record.CheckBoxクロネコ宅急便持込割引)));
    }
    if (isTicked(record.CheckBoxはこBOON))
        lists.addParcel(hakoBoonText(sizePosition, *grams, rates.hakoBoon));

    if (isTicked(record.CheckBoxその他の運送会社) && !record.TextBoxその他の運送会社.isEmpty())
        lists.addOtherCarrier(record.TextBoxその他の運送会社);

    return isTicked(record.CheckBox最安値) ? lists.cheapest() : lists.full();
}

} // namespace content
