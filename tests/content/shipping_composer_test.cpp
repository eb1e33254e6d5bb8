#include "content/shipping_composer.h"
#include "first_run_rates.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

using Record = core::ListingRecord;
using Rates = content::ShippingRateTable;
using Tick = core::CheckValue Record::*;

constexpr Tick mini = &Record::CheckBoxミニレター, standard = &Record::CheckBox定形郵便,
               nonStandard = &Record::CheckBox定形外郵便,
               mailBin = &Record::CheckBoxクロネコメール便, bookPost = &Record::CheckBoxゆうメール,
               pack350 = &Record::CheckBoxレターパック350,
               pack500 = &Record::CheckBoxレターパック500, yuPack = &Record::CheckBoxゆうパック,
               yuPackCarryIn = &Record::CheckBoxゆうパック持込割引,
               takkyubin = &Record::CheckBoxクロネコ宅急便,
               takkyubinCarryIn = &Record::CheckBoxクロネコ宅急便持込割引,
               hakoBoon = &Record::CheckBoxはこBOON, flatRate = &Record::CheckBox送料一律,
               other = &Record::CheckBoxその他の運送会社, cheapest = &Record::CheckBox最安値;

// ゆうメール at 25 g for a price the first-run rates lack, to make ties with it.
std::function<void(Rates&)> bookPostAt25g(int price) {
    return [price](Rates& rates) { rates.bookPost.rows[0] = {25, price, 0}; };
}

// Size positions: 0 = 60 cm, 3 = 90 cm, 4 = 100 cm, 8 = 160 cm, 9 = 170 cm.
// Weight positions: 0 = 25 g, 2 = 100 g, 6 = 1 kg, 9 = 4 kg, 10 = 5 kg, 11 = 10 kg.
struct ShippingCase {
    const char* name;
    int size;
    int weight;
    std::vector<Tick> ticks;
    QString first;
    QString second = {};
    int envelope = -1;
    QString freeText = {}; // typed into both free-text fields
    std::function<void(Rates&)> adjustRates = nullptr;
};

void PrintTo(const ShippingCase& c, std::ostream* os) {
    *os << c.name;
}

class ShippingText : public ::testing::TestWithParam<ShippingCase> {};

TEST_P(ShippingText, ComposesBothCaptions) {
    const ShippingCase& c = GetParam();
    Record record;
    record.ComboBox商品サイズ.position = c.size;
    record.ComboBox商品重さ.position = c.weight;
    record.ComboBoxクロネコメール便.position = c.envelope;
    record.TextBox送料一律 = record.TextBoxその他の運送会社 = c.freeText;
    for (Tick tick : c.ticks)
        record.*tick = 1;
    Rates rates;
    ASSERT_FALSE(content::readShippingRates(firstRunRateLines().join(u"\r\n"_s), rates));
    if (c.adjustRates)
        c.adjustRates(rates);

    EXPECT_EQ(content::ComposeShippingText(record, rates),
              (content::ShippingCaptions{c.first, c.second}));
}

INSTANTIATE_TEST_SUITE_P(
    Cheapest, ShippingText,
    ::testing::Values(
        ShippingCase{"SixtyCentimetres25Grams",
                     0,
                     0,
                     {mini, standard, yuPack},
                     u"・ミニレター 60円　\r\n・定形郵便 80円　\r\n・ゆうパック60サイズ　\r\n"_s},
        ShippingCase{"SixtyCentimetres25GramsCheapestOnly",
                     0,
                     0,
                     {mini, standard, yuPack, cheapest},
                     u"・ミニレター 60円　\r\n・ゆうパック60サイズ　\r\n"_s},
        ShippingCase{"MiniLetterOnlyAt25Grams", 0, 1, {mini, standard}, u"・定形郵便 90円　\r\n"_s},
        ShippingCase{"TiesKeepMethodOrder",
                     0,
                     0,
                     {bookPost, standard, mailBin, cheapest},
                     u"・定形郵便 80円　\r\n・クロネコメール便 80円　\r\n"_s,
                     {},
                     0},
        ShippingCase{"LowerPriceReplaces",
                     0,
                     2,
                     {nonStandard, bookPost, mailBin, cheapest},
                     u"・クロネコメール便 80円　\r\n"_s,
                     {},
                     0},
        ShippingCase{
            "FullListKeepsEveryPrice",
            0,
            2,
            {nonStandard, bookPost, mailBin},
            u"・定形外郵便 140円　\r\n・クロネコメール便 80円　\r\n・ゆうメール 180円　\r\n"_s,
            {},
            0},
        // The letter pack's list line has a full-width space, its cheapest line an ordinary one.
        ShippingCase{"LetterPackTie",
                     0,
                     0,
                     {bookPost, pack350, cheapest},
                     u"・ゆうメール 350円　\r\n・レターパック350 350円　\r\n"_s,
                     {},
                     -1,
                     {},
                     bookPostAt25g(350)},
        ShippingCase{"LetterPackListLine",
                     0,
                     0,
                     {bookPost, pack350},
                     u"・ゆうメール 350円　\r\n・レターパック350　350円　\r\n"_s,
                     {},
                     -1,
                     {},
                     bookPostAt25g(350)},
        ShippingCase{"CheaperLetterPackReplaces",
                     0,
                     9,
                     {nonStandard, pack350, pack500, cheapest},
                     u"・レターパック350 350円　\r\n"_s},
        ShippingCase{"FourKilogramsTakesLetterPacks",
                     0,
                     9,
                     {nonStandard, pack350, pack500},
                     u"・定形外郵便 1150円　\r\n・レターパック350　350円　\r\n"
                     u"・レターパック500　500円　\r\n"_s},
        // Three tied prices and three parcels push the cheapest list into the second column.
        ShippingCase{"CheapestListSpills",
                     0,
                     0,
                     {standard, bookPost, mailBin, yuPack, takkyubin, hakoBoon, other, cheapest},
                     u"・定形郵便 80円　\r\n・クロネコメール便 80円　\r\n・ゆうメール 80円　\r\n"
                     u"・ゆうパック60サイズ　\r\n・クロネコ宅急便60サイズ　\r\n"_s,
                     u"・はこBOON 2kg以下\r\n・西濃運輸"_s,
                     0,
                     u"西濃運輸"_s,
                     bookPostAt25g(80)}));

INSTANTIATE_TEST_SUITE_P(
    Limits, ShippingText,
    ::testing::Values(
        ShippingCase{"HundredCentimetresLeavesBookPost",
                     4,
                     0,
                     {standard, nonStandard, bookPost, mailBin, pack350, pack500},
                     u"・ゆうメール 180円　\r\n"_s,
                     {},
                     0},
        ShippingCase{"NinetyCentimetresNonStandard",
                     3,
                     0,
                     {standard, nonStandard},
                     u"・定形外郵便 120円　\r\n"_s},
        ShippingCase{"NoLetterRowFits", 0, 2, {standard}, {}},
        ShippingCase{"FiveKilogramsNoLetterPack",
                     0,
                     10,
                     {pack350, pack500, yuPack},
                     u"・ゆうパック60サイズ　\r\n"_s},
        ShippingCase{"MailBinNotAtEightyCentimetres", 2, 0, {mailBin}, {}, {}, 0},
        ShippingCase{"MailBinNotAbove1Kilogram", 1, 7, {mailBin}, {}, {}, 0},
        ShippingCase{
            "MailBinAt1Kilogram", 1, 6, {mailBin}, u"・クロネコメール便 240円　\r\n"_s, {}, 3},
        ShippingCase{"MailBinNeedsAnEnvelopeClass", 0, 0, {mailBin}, {}},
        ShippingCase{"EnvelopeClassAlone", 0, 0, {}, {}, {}, 0},
        ShippingCase{"FlatRateReplacesEverything",
                     0,
                     0,
                     {mini, yuPack, cheapest, flatRate},
                     u"・全国一律500円"_s,
                     {},
                     -1,
                     u"全国一律500円"_s},
        ShippingCase{"FlatRateNeedsASize", -1, 0, {flatRate}, {}, {}, -1, u"全国一律"_s},
        ShippingCase{"NoWeightChosen", 0, -1, {yuPack}, {}},
        // Positions past the lists count as no choice instead of reading past a table.
        ShippingCase{"WeightPastTheList", 0, 15, {yuPack}, {}},
        ShippingCase{"SizePastTheList", 10, 0, {yuPack}, {}}));

INSTANTIATE_TEST_SUITE_P(
    Parcels, ShippingText,
    ::testing::Values(
        ShippingCase{"HakoBoonAt170CentimetresIsEmpty", 9, 0, {hakoBoon}, u"\r\n"_s},
        ShippingCase{"HakoBoonByWeight", 8, 8, {hakoBoon}, u"・はこBOON 5kg以下\r\n"_s},
        ShippingCase{
            "TakkyubinAt170ByWeight", 9, 0, {takkyubin}, u"・クロネコ宅急便60サイズ　\r\n"_s},
        ShippingCase{
            "TakkyubinAt170TenKilograms", 9, 11, {takkyubin}, u"・クロネコ宅急便100サイズ　\r\n"_s},
        ShippingCase{
            "TakkyubinHeavierThanSize", 0, 12, {takkyubin}, u"・クロネコ宅急便120サイズ　\r\n"_s},
        ShippingCase{"TakkyubinBySizeWithCarryIn",
                     8,
                     0,
                     {takkyubin, takkyubinCarryIn},
                     u"・クロネコ宅急便160サイズ　○持込割引　\r\n"_s},
        ShippingCase{"TakkyubinWithoutClass",
                     9,
                     0,
                     {takkyubin, takkyubinCarryIn},
                     u"○持込割引　\r\n"_s,
                     {},
                     -1,
                     {},
                     [](Rates& r) { r.takkyubin.count = 0; }},
        ShippingCase{"YuPackWithCarryIn",
                     5,
                     0,
                     {yuPack, yuPackCarryIn},
                     u"・ゆうパック120サイズ　○持込割引　\r\n"_s},
        ShippingCase{"YuPack170", 9, 0, {yuPack}, u"・ゆうパック170サイズ　\r\n"_s},
        ShippingCase{"SevenMethods",
                     0,
                     0,
                     {mini, standard, nonStandard, mailBin, bookPost, pack350, yuPack},
                     u"・ミニレター 60円　\r\n・定形郵便 80円　\r\n・定形外郵便 120円　\r\n"
                     u"・クロネコメール便 80円　\r\n・ゆうメール 180円　\r\n"_s,
                     u"・レターパック350　350円　\r\n・ゆうパック60サイズ　\r\n"_s,
                     0},
        ShippingCase{"OtherCarrierHasNoLineBreak",
                     0,
                     0,
                     {yuPack, other},
                     u"・ゆうパック60サイズ　\r\n・西濃運輸"_s,
                     {},
                     -1,
                     u"西濃運輸"_s},
        ShippingCase{"OtherCarrierWithoutText", 0, 0, {other}, {}}));

INSTANTIATE_TEST_SUITE_P(
    EnvelopeClasses, ShippingText,
    ::testing::Values(
        ShippingCase{"A4Thin", 0, 2, {mailBin}, u"・クロネコメール便 80円　\r\n"_s, {}, 0},
        ShippingCase{"A4Thick", 0, 2, {mailBin}, u"・クロネコメール便 160円　\r\n"_s, {}, 1},
        ShippingCase{"B4Thin", 0, 2, {mailBin}, u"・クロネコメール便 160円　\r\n"_s, {}, 2},
        ShippingCase{"B4Thick", 0, 2, {mailBin}, u"・クロネコメール便 240円　\r\n"_s, {}, 3},
        ShippingCase{
            "A4ThinExpress", 0, 2, {mailBin}, u"・クロネコメール便速達 180円　\r\n"_s, {}, 4},
        ShippingCase{
            "A4ThickExpress", 0, 2, {mailBin}, u"・クロネコメール便速達 260円　\r\n"_s, {}, 5},
        ShippingCase{
            "B4ThinExpress", 0, 2, {mailBin}, u"・クロネコメール便速達 260円　\r\n"_s, {}, 6},
        ShippingCase{
            "B4ThickExpress", 0, 2, {mailBin}, u"・クロネコメール便速達 340円　\r\n"_s, {}, 7},
        ShippingCase{"PastTheList", 0, 2, {mailBin}, {}, {}, 8}));

} // namespace
