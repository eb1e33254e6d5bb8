#include "content/shipping_composer.h"
#include "first_run_rates.h"

#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using Record = core::ListingRecord;
using Rates = content::ShippingRateTable;
using content::ShippingCaptions;

// Size positions: 0 = 60 cm, 4 = 100 cm, 8 = 160 cm, 9 = 170 cm.
// Weight positions: 0 = 25 g, 2 = 100 g, 9 = 4 kg, 10 = 5 kg, 11 = 10 kg.
Record itemOf(int sizePosition, int weightPosition) {
    Record record;
    record.ComboBox商品サイズ.position = sizePosition;
    record.ComboBox商品重さ.position = weightPosition;
    return record;
}

Rates firstRunRates() {
    Rates rates;
    const auto failure = content::readShippingRates(firstRunRateLines().join(u"\r\n"_s), rates);
    EXPECT_FALSE(failure.has_value());
    return rates;
}

// ゆうメール at 25 g for the given price, to make ties the first-run rates cannot.
std::function<void(Rates&)> bookPostAt25g(int price) {
    return [price](Rates& rates) { rates.bookPost.rows[0] = {25, price, 0}; };
}

struct ShippingCase {
    const char* name;
    std::function<void(Record&)> choose;
    ShippingCaptions expected;
    std::function<void(Rates&)> adjustRates = nullptr;
};

void PrintTo(const ShippingCase& c, std::ostream* os) {
    *os << c.name;
}

class ShippingText : public ::testing::TestWithParam<ShippingCase> {};

TEST_P(ShippingText, ComposesBothCaptions) {
    Record record;
    GetParam().choose(record);
    Rates rates = firstRunRates();
    if (GetParam().adjustRates)
        GetParam().adjustRates(rates);
    EXPECT_EQ(content::ComposeShippingText(record, rates), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cheapest, ShippingText,
    ::testing::Values(
        ShippingCase{"SixtyCentimetres25Grams",
                     [](Record& r) {
                         r = itemOf(0, 0);
                         r.CheckBoxミニレター = r.CheckBox定形郵便 = r.CheckBoxゆうパック = 1;
                     },
                     {u"・ミニレター 60円　\r\n・定形郵便 80円　\r\n・ゆうパック60サイズ　\r\n"_s,
                      QString()}},
        ShippingCase{"SixtyCentimetres25GramsCheapestOnly",
                     [](Record& r) {
                         r = itemOf(0, 0);
                         r.CheckBoxミニレター = r.CheckBox定形郵便 = r.CheckBoxゆうパック = 1;
                         r.CheckBox最安値 = 1;
                     },
                     {u"・ミニレター 60円　\r\n・ゆうパック60サイズ　\r\n"_s, QString()}},
        ShippingCase{"MiniLetterOnlyAtSmallestSizeAndWeight",
                     [](Record& r) {
                         r = itemOf(0, 1);
                         r.CheckBoxミニレター = r.CheckBox定形郵便 = 1;
                     },
                     {u"・定形郵便 90円　\r\n"_s, QString()}},
        ShippingCase{"TiesKeepMethodOrder",
                     [](Record& r) {
                         r = itemOf(0, 0);
                         r.CheckBoxゆうメール = r.CheckBox定形郵便 = 1;
                         r.CheckBoxクロネコメール便 = 1;
                         r.ComboBoxクロネコメール便.position = 0;
                         r.CheckBox最安値 = 1;
                     },
                     {u"・定形郵便 80円　\r\n・クロネコメール便 80円　\r\n"_s, QString()}},
        ShippingCase{"LowerPriceReplacesTheCheapest",
                     [](Record& r) {
                         r = itemOf(0, 2);
                         r.CheckBox定形外郵便 = r.CheckBoxゆうメール = 1;
                         r.CheckBoxクロネコメール便 = 1;
                         r.ComboBoxクロネコメール便.position = 0;
                         r.CheckBox最安値 = 1;
                     },
                     {u"・クロネコメール便 80円　\r\n"_s, QString()}},
        ShippingCase{
            "FullListKeepsEveryPrice",
            [](Record& r) {
                r = itemOf(0, 2);
                r.CheckBox定形外郵便 = r.CheckBoxゆうメール = 1;
                r.CheckBoxクロネコメール便 = 1;
                r.ComboBoxクロネコメール便.position = 0;
            },
            {u"・定形外郵便 140円　\r\n・クロネコメール便 80円　\r\n・ゆうメール 180円　\r\n"_s,
             QString()}},
        ShippingCase{"LetterPackTieUsesAnOrdinarySpace",
                     [](Record& r) {
                         r = itemOf(0, 0);
                         r.CheckBoxゆうメール = r.CheckBoxレターパック350 = 1;
                         r.CheckBox最安値 = 1;
                     },
                     {u"・ゆうメール 350円　\r\n・レターパック350 350円　\r\n"_s, QString()},
                     bookPostAt25g(350)},
        ShippingCase{"LetterPackListLineUsesAFullWidthSpace",
                     [](Record& r) {
                         r = itemOf(0, 0);
                         r.CheckBoxゆうメール = r.CheckBoxレターパック350 = 1;
                     },
                     {u"・ゆうメール 350円　\r\n・レターパック350　350円　\r\n"_s, QString()},
                     bookPostAt25g(350)},
        ShippingCase{"CheaperLetterPackReplaces",
                     [](Record& r) {
                         r = itemOf(0, 9);
                         r.CheckBox定形外郵便 = 1;
                         r.CheckBoxレターパック350 = r.CheckBoxレターパック500 = 1;
                         r.CheckBox最安値 = 1;
                     },
                     {u"・レターパック350 350円　\r\n"_s, QString()}},
        ShippingCase{"FourKilogramsTakesLetterPacks",
                     [](Record& r) {
                         r = itemOf(0, 9);
                         r.CheckBox定形外郵便 = 1;
                         r.CheckBoxレターパック350 = r.CheckBoxレターパック500 = 1;
                     },
                     {u"・定形外郵便 1150円　\r\n・レターパック350　350円　\r\n"
                      u"・レターパック500　500円　\r\n"_s,
                      QString()}},
        // Five tied prices and parcels push the cheapest list into the second column.
        ShippingCase{"CheapestListSpillsIntoTheSecondColumn",
                     [](Record& r) {
                         r = itemOf(0, 0);
                         r.CheckBox定形郵便 = r.CheckBoxゆうメール = 1;
                         r.CheckBoxクロネコメール便 = 1;
                         r.ComboBoxクロネコメール便.position = 0;
                         r.CheckBoxゆうパック = r.CheckBoxクロネコ宅急便 = r.CheckBoxはこBOON = 1;
                         r.CheckBoxその他の運送会社 = 1;
                         r.TextBoxその他の運送会社 = u"西濃運輸"_s;
                         r.CheckBox最安値 = 1;
                     },
                     {u"・定形郵便 80円　\r\n・クロネコメール便 80円　\r\n・ゆうメール 80円　\r\n"
                      u"・ゆうパック60サイズ　\r\n・クロネコ宅急便60サイズ　\r\n"_s,
                      u"・はこBOON 2kg以下\r\n・西濃運輸"_s},
                     bookPostAt25g(80)}));

INSTANTIATE_TEST_SUITE_P(
    SizeAndWeightLimits, ShippingText,
    ::testing::Values(ShippingCase{"HundredCentimetresLeavesOnlyBookPost",
                                   [](Record& r) {
                                       r = itemOf(4, 0);
                                       r.CheckBox定形郵便 = r.CheckBox定形外郵便 =
                                           r.CheckBoxゆうメール = 1;
                                       r.CheckBoxクロネコメール便 = 1;
                                       r.ComboBoxクロネコメール便.position = 0;
                                       r.CheckBoxレターパック350 = r.CheckBoxレターパック500 = 1;
                                   },
                                   {u"・ゆうメール 180円　\r\n"_s, QString()}},
                      ShippingCase{"NinetyCentimetresStillNonStandard",
                                   [](Record& r) {
                                       r = itemOf(3, 0);
                                       r.CheckBox定形郵便 = r.CheckBox定形外郵便 = 1;
                                   },
                                   {u"・定形外郵便 120円　\r\n"_s, QString()}},
                      ShippingCase{"NoLetterRowFitsTheWeight",
                                   [](Record& r) {
                                       r = itemOf(0, 2);
                                       r.CheckBox定形郵便 = 1;
                                   },
                                   {}},
                      ShippingCase{"FiveKilogramsHasNoLetterPack",
                                   [](Record& r) {
                                       r = itemOf(0, 10);
                                       r.CheckBoxレターパック350 = r.CheckBoxレターパック500 = 1;
                                       r.CheckBoxゆうパック = 1;
                                   },
                                   {u"・ゆうパック60サイズ　\r\n"_s, QString()}},
                      ShippingCase{"MailBinNotAtEightyCentimetres",
                                   [](Record& r) {
                                       r = itemOf(2, 0);
                                       r.CheckBoxクロネコメール便 = 1;
                                       r.ComboBoxクロネコメール便.position = 0;
                                   },
                                   {}},
                      ShippingCase{"MailBinNotAboveOneKilogram",
                                   [](Record& r) {
                                       r = itemOf(1, 7);
                                       r.CheckBoxクロネコメール便 = 1;
                                       r.ComboBoxクロネコメール便.position = 0;
                                   },
                                   {}},
                      ShippingCase{"MailBinAtSeventyCentimetresOneKilogram",
                                   [](Record& r) {
                                       r = itemOf(1, 6);
                                       r.CheckBoxクロネコメール便 = 1;
                                       r.ComboBoxクロネコメール便.position = 3;
                                   },
                                   {u"・クロネコメール便 240円　\r\n"_s, QString()}},
                      ShippingCase{"MailBinNeedsAnEnvelopeClass",
                                   [](Record& r) {
                                       r = itemOf(0, 0);
                                       r.CheckBoxクロネコメール便 = 1;
                                   },
                                   {}},
                      ShippingCase{"EnvelopeClassAloneListsNothing",
                                   [](Record& r) {
                                       r = itemOf(0, 0);
                                       r.ComboBoxクロネコメール便.position = 0;
                                   },
                                   {}}));

INSTANTIATE_TEST_SUITE_P(
    Parcels, ShippingText,
    ::testing::Values(
        ShippingCase{"HakoBoonAt170CentimetresIsAnEmptyLine",
                     [](Record& r) {
                         r = itemOf(9, 0);
                         r.CheckBoxはこBOON = 1;
                     },
                     {u"\r\n"_s, QString()}},
        ShippingCase{"HakoBoonByWeight",
                     [](Record& r) {
                         r = itemOf(8, 8);
                         r.CheckBoxはこBOON = 1;
                     },
                     {u"・はこBOON 5kg以下\r\n"_s, QString()}},
        ShippingCase{"TakkyubinAt170CentimetresByWeightAlone",
                     [](Record& r) {
                         r = itemOf(9, 0);
                         r.CheckBoxクロネコ宅急便 = 1;
                     },
                     {u"・クロネコ宅急便60サイズ　\r\n"_s, QString()}},
        ShippingCase{"TakkyubinAt170CentimetresTenKilograms",
                     [](Record& r) {
                         r = itemOf(9, 11);
                         r.CheckBoxクロネコ宅急便 = 1;
                     },
                     {u"・クロネコ宅急便100サイズ　\r\n"_s, QString()}},
        ShippingCase{"TakkyubinTakesTheHeavierOfSizeAndWeight",
                     [](Record& r) {
                         r = itemOf(0, 12);
                         r.CheckBoxクロネコ宅急便 = 1;
                     },
                     {u"・クロネコ宅急便120サイズ　\r\n"_s, QString()}},
        ShippingCase{"TakkyubinBySizeWithCarryIn",
                     [](Record& r) {
                         r = itemOf(8, 0);
                         r.CheckBoxクロネコ宅急便 = r.CheckBoxクロネコ宅急便持込割引 = 1;
                     },
                     {u"・クロネコ宅急便160サイズ　○持込割引　\r\n"_s, QString()}},
        ShippingCase{"TakkyubinWithoutClassKeepsTheDiscount",
                     [](Record& r) {
                         r = itemOf(9, 0);
                         r.CheckBoxクロネコ宅急便 = r.CheckBoxクロネコ宅急便持込割引 = 1;
                     },
                     {u"○持込割引　\r\n"_s, QString()},
                     [](Rates& rates) { rates.takkyubin.count = 0; }},
        ShippingCase{"YuPackWithCarryIn",
                     [](Record& r) {
                         r = itemOf(5, 0);
                         r.CheckBoxゆうパック = r.CheckBoxゆうパック持込割引 = 1;
                     },
                     {u"・ゆうパック120サイズ　○持込割引　\r\n"_s, QString()}},
        ShippingCase{"SevenMethodsFillTheSecondCaption",
                     [](Record& r) {
                         r = itemOf(0, 0);
                         r.CheckBoxミニレター = r.CheckBox定形郵便 = r.CheckBox定形外郵便 = 1;
                         r.CheckBoxクロネコメール便 = 1;
                         r.ComboBoxクロネコメール便.position = 0;
                         r.CheckBoxゆうメール = r.CheckBoxレターパック350 = 1;
                         r.CheckBoxゆうパック = 1;
                     },
                     {u"・ミニレター 60円　\r\n・定形郵便 80円　\r\n・定形外郵便 120円　\r\n"
                      u"・クロネコメール便 80円　\r\n・ゆうメール 180円　\r\n"_s,
                      u"・レターパック350　350円　\r\n・ゆうパック60サイズ　\r\n"_s}},
        ShippingCase{"OtherCarrierHasNoLineBreak",
                     [](Record& r) {
                         r = itemOf(0, 0);
                         r.CheckBoxゆうパック = 1;
                         r.CheckBoxその他の運送会社 = 1;
                         r.TextBoxその他の運送会社 = u"西濃運輸"_s;
                     },
                     {u"・ゆうパック60サイズ　\r\n・西濃運輸"_s, QString()}},
        ShippingCase{"OtherCarrierWithoutTextGivesNothing",
                     [](Record& r) {
                         r = itemOf(0, 0);
                         r.CheckBoxその他の運送会社 = 1;
                     },
                     {}}));

INSTANTIATE_TEST_SUITE_P(Choices, ShippingText,
                         ::testing::Values(ShippingCase{"FlatRateReplacesEverything",
                                                        [](Record& r) {
                                                            r = itemOf(0, 0);
                                                            r.CheckBoxミニレター =
                                                                r.CheckBoxゆうパック =
                                                                    r.CheckBox最安値 = 1;
                                                            r.CheckBox送料一律 = 1;
                                                            r.TextBox送料一律 = u"全国一律500円"_s;
                                                        },
                                                        {u"・全国一律500円"_s, QString()}},
                                           ShippingCase{"FlatRateNeedsSizeAndWeight",
                                                        [](Record& r) {
                                                            r = itemOf(-1, 0);
                                                            r.CheckBox送料一律 = 1;
                                                            r.TextBox送料一律 = u"全国一律500円"_s;
                                                        },
                                                        {}},
                                           ShippingCase{"NoSizeChosen",
                                                        [](Record& r) {
                                                            r = itemOf(-1, 0);
                                                            r.CheckBoxゆうパック = 1;
                                                        },
                                                        {}},
                                           ShippingCase{"NoWeightChosen",
                                                        [](Record& r) {
                                                            r = itemOf(0, -1);
                                                            r.CheckBoxゆうパック = 1;
                                                        },
                                                        {}},
                                           ShippingCase{"WeightPastTheListCountsAsNone",
                                                        [](Record& r) {
                                                            r = itemOf(0, 15);
                                                            r.CheckBoxゆうパック = 1;
                                                        },
                                                        {}},
                                           ShippingCase{"SizePastTheListCountsAsNone",
                                                        [](Record& r) {
                                                            r = itemOf(10, 0);
                                                            r.CheckBoxゆうパック = 1;
                                                        },
                                                        {}}));

struct EnvelopeCase {
    int envelopeClass;
    QString line;
};

void PrintTo(const EnvelopeCase& c, std::ostream* os) {
    *os << "class " << c.envelopeClass;
}

class MailBinLine : public ::testing::TestWithParam<EnvelopeCase> {};

TEST_P(MailBinLine, ShowsTheEnvelopePrice) {
    Record record = itemOf(0, 2);
    record.CheckBoxクロネコメール便 = 1;
    record.ComboBoxクロネコメール便.position = GetParam().envelopeClass;
    EXPECT_EQ(content::ComposeShippingText(record, firstRunRates()),
              (ShippingCaptions{GetParam().line, QString()}));
}

INSTANTIATE_TEST_SUITE_P(EnvelopeClasses, MailBinLine,
                         ::testing::Values(EnvelopeCase{0, u"・クロネコメール便 80円　\r\n"_s},
                                           EnvelopeCase{1, u"・クロネコメール便 160円　\r\n"_s},
                                           EnvelopeCase{2, u"・クロネコメール便 160円　\r\n"_s},
                                           EnvelopeCase{3, u"・クロネコメール便 240円　\r\n"_s},
                                           EnvelopeCase{4, u"・クロネコメール便速達 180円　\r\n"_s},
                                           EnvelopeCase{5, u"・クロネコメール便速達 260円　\r\n"_s},
                                           EnvelopeCase{6, u"・クロネコメール便速達 260円　\r\n"_s},
                                           EnvelopeCase{7, u"・クロネコメール便速達 340円　\r\n"_s},
                                           EnvelopeCase{8, QString()}));

struct SizeCase {
    int sizePosition;
    QString line;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << "size " << c.sizePosition;
}

class YuPackLine : public ::testing::TestWithParam<SizeCase> {};

TEST_P(YuPackLine, NamesTheSizeClass) {
    Record record = itemOf(GetParam().sizePosition, 0);
    record.CheckBoxゆうパック = 1;
    EXPECT_EQ(content::ComposeShippingText(record, firstRunRates()).first, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Sizes, YuPackLine,
                         ::testing::Values(SizeCase{0, u"・ゆうパック60サイズ　\r\n"_s},
                                           SizeCase{1, u"・ゆうパック80サイズ　\r\n"_s},
                                           SizeCase{4, u"・ゆうパック100サイズ　\r\n"_s},
                                           SizeCase{6, u"・ゆうパック140サイズ　\r\n"_s},
                                           SizeCase{7, u"・ゆうパック160サイズ　\r\n"_s},
                                           SizeCase{9, u"・ゆうパック170サイズ　\r\n"_s}));

} // namespace
