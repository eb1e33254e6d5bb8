#include "content/shipping_rates.h"
#include "first_run_rates.h"
#include "temp_app_folder.h"

#include <array>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

using content::RateRow;
using content::ShippingRateTable;
namespace ErrorNumber = platform::ErrorNumber;

const QString kRateFile = u"text/配送.txt"_s;

// Rows per kind: 定形郵便物, 定形外郵便物, ゆうメール, 宅急便, ゆうパック, はこBOON, メール便….
using Counts = std::array<int, 7>;

Counts countsOf(const ShippingRateTable& t) {
    return {t.standardLetter.count, t.nonStandardLetter.count, t.bookPost.count, t.takkyubin.count,
            t.yuPack.count,         t.hakoBoon.count,          t.mailBin.count};
}

QStringList standardLetterRows(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << u"定形郵便物,%1,%2,0"_s.arg(i * 10).arg(i * 100);
    return lines;
}

struct RateCase {
    const char* name;
    QStringList lines;
    std::optional<int> error;
    Counts counts;
};

void PrintTo(const RateCase& c, std::ostream* os) {
    *os << c.name;
}

class RateFile : public ::testing::TestWithParam<RateCase> {};

TEST_P(RateFile, FilesRowsByKindUpToAFailure) {
    TempAppFolder app;
    app.writeLines(kRateFile, GetParam().lines);
    ShippingRateTable table;
    const auto failure = content::LoadShippingRates({app.path()}, table);
    EXPECT_EQ(failure ? std::optional<int>(failure->number()) : std::nullopt, GetParam().error);
    EXPECT_EQ(countsOf(table), GetParam().counts);
}

INSTANTIATE_TEST_SUITE_P(
    Accepted, RateFile,
    ::testing::Values(
        RateCase{"FirstRunFile", firstRunRateLines(), std::nullopt, {2, 8, 6, 6, 7, 6, 4}},
        RateCase{"TenRowsFit", standardLetterRows(10), std::nullopt, {10}},
        RateCase{"LargestWeightFits", {u"定形郵便物,32767,80,0"_s}, std::nullopt, {1}},
        RateCase{"BlanksAndQuotes", {u"  \"ゆうメール\", 25 , 80,0"_s}, std::nullopt, {0, 0, 1}},
        RateCase{"MailBinByPrefix",
                 {u"メール便,1,1,1"_s, u"メール便特大,2,2,2"_s, u"メール,3,3,3"_s,
                  u"クロネコメール便,4,4,4"_s},
                 std::nullopt,
                 {0, 0, 0, 0, 0, 0, 2}},
        // Numbers a kind does not keep are never read, so they cannot fail.
        RateCase{"UnkeptNumbersNotRead",
                 {u"ゆうパック,abc,x,60"_s, u"レターパック350,?,?,?"_s, u"定形郵便物,25,80,-"_s},
                 std::nullopt,
                 {1, 0, 0, 0, 1}},
        RateCase{"BlankLinesAfterTheLastRow",
                 {u"定形郵便物,25,80,0"_s, QString(), QString()},
                 std::nullopt,
                 {1}}));

INSTANTIATE_TEST_SUITE_P(
    Failures, RateFile,
    ::testing::Values(
        RateCase{"NonNumericWeightStops",
                 {u"定形郵便物,25,80,0"_s, u"定形郵便物,abc,90,0"_s, u"ゆうメール,150,180,0"_s},
                 ErrorNumber::TypeMismatch,
                 {1}},
        RateCase{"EmptyWeight", {u"定形郵便物,,80,0"_s}, ErrorNumber::TypeMismatch, {0}},
        RateCase{"NonNumericPrice", {u"ゆうメール,25,円,0"_s}, ErrorNumber::TypeMismatch, {0}},
        RateCase{"WeightAbove32767",
                 {u"定形郵便物,25,80,0"_s, u"定形郵便物,32768,90,0"_s},
                 ErrorNumber::Overflow,
                 {1}},
        RateCase{"EleventhRowLeftOutAndLoadingGoesOn",
                 standardLetterRows(11) + QStringList{u"ゆうメール,150,180,0"_s},
                 ErrorNumber::SubscriptOutOfRange,
                 {10, 0, 1}},
        RateCase{"RowCutShort",
                 {u"ゆうメール,150,180,0"_s, u"定形郵便物,25"_s},
                 ErrorNumber::InputPastEndOfFile,
                 {0, 0, 1}}));

TEST(LoadShippingRates, KeepsOnlyTheNumbersOfEachKind) {
    TempAppFolder app;
    app.writeLines(kRateFile, firstRunRateLines());
    ShippingRateTable table;
    ASSERT_FALSE(content::LoadShippingRates({app.path()}, table));
    EXPECT_EQ(table.nonStandardLetter.rows[7], (RateRow{4000, 1150, 0}));
    EXPECT_EQ(table.takkyubin.rows[5], (RateRow{25000, 0, 160}));
    EXPECT_EQ(table.yuPack.rows[6], (RateRow{0, 0, 170}));
    EXPECT_EQ(table.hakoBoon.rows[2], (RateRow{10000, 0, 0}));
    EXPECT_EQ(table.mailBin.rows[3], (RateRow{1000, 240, 2}));
}

TEST(LoadShippingRates, MissingFileLeavesNoRows) {
    TempAppFolder app;
    app.writeLines(u"text/都道府県.txt"_s, {u"北海道"_s}); // the folder is there, the file is not
    ShippingRateTable table;
    table.bookPost.count = 3;
    try {
        content::LoadShippingRates({app.path()}, table);
        FAIL() << "no error for a missing file";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
    }
    EXPECT_EQ(table.bookPost.count, 0);
}

} // namespace
