#include "content/shipping_rates.h"
#include "first_run_rates.h"
#include "temp_app_folder.h"

#include <gtest/gtest.h>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

using content::RateRow;
using content::RateRows;
using content::ShippingRateTable;
namespace ErrorNumber = platform::ErrorNumber;

const QString kRateFile = u"text/配送.txt"_s;

std::optional<int> loadFrom(const TempAppFolder& app, ShippingRateTable& table) {
    const std::optional<platform::Error> failure = content::LoadShippingRates(app.path(), table);
    return failure ? std::optional<int>(failure->number()) : std::nullopt;
}

TEST(LoadShippingRates, FilesTheFirstRunRowsByKind) {
    TempAppFolder app;
    app.writeLines(kRateFile, firstRunRateLines());
    ShippingRateTable table;
    EXPECT_EQ(loadFrom(app, table), std::nullopt);

    EXPECT_EQ(table.standardLetter.count, 2);
    EXPECT_EQ(table.nonStandardLetter.count, 8);
    EXPECT_EQ(table.bookPost.count, 6);
    EXPECT_EQ(table.takkyubin.count, 6);
    EXPECT_EQ(table.yuPack.count, 7);
    EXPECT_EQ(table.hakoBoon.count, 6);
    EXPECT_EQ(table.mailBin.count, 4); // メール便A4 and メール便B4 rows together
    // Only the numbers a kind keeps are stored.
    EXPECT_EQ(table.standardLetter.rows[1], (RateRow{50, 90, 0}));
    EXPECT_EQ(table.nonStandardLetter.rows[7], (RateRow{4000, 1150, 0}));
    EXPECT_EQ(table.bookPost.rows[0], (RateRow{150, 180, 0}));
    EXPECT_EQ(table.takkyubin.rows[5], (RateRow{25000, 0, 160}));
    EXPECT_EQ(table.yuPack.rows[6], (RateRow{0, 0, 170}));
    EXPECT_EQ(table.hakoBoon.rows[2], (RateRow{10000, 0, 0}));
    EXPECT_EQ(table.mailBin.rows[3], (RateRow{1000, 240, 2}));
}

TEST(LoadShippingRates, MissingFileLeavesNoRows) {
    TempAppFolder app;
    app.writeLines(u"text/都道府県.txt"_s, {u"北海道"_s});
    ShippingRateTable table;
    table.bookPost.count = 3;
    try {
        content::LoadShippingRates(app.path(), table);
        FAIL() << "no error for a missing file";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
    }
    EXPECT_EQ(table.bookPost.count, 0);
}

struct RateCase {
    const char* name;
    QStringList lines;
    std::optional<int> error;
    int standardLetterCount;
    int bookPostCount;
};

void PrintTo(const RateCase& c, std::ostream* os) {
    *os << c.name;
}

QStringList standardLetterRows(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << u"定形郵便物,%1,%2,0"_s.arg(i * 10).arg(i * 100);
    return lines;
}

class RateFile : public ::testing::TestWithParam<RateCase> {};

TEST_P(RateFile, KeepsTheRowsBeforeAFailure) {
    TempAppFolder app;
    app.writeLines(kRateFile, GetParam().lines);
    ShippingRateTable table;
    EXPECT_EQ(loadFrom(app, table), GetParam().error);
    EXPECT_EQ(table.standardLetter.count, GetParam().standardLetterCount);
    EXPECT_EQ(table.bookPost.count, GetParam().bookPostCount);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RateFile,
    ::testing::Values(
        RateCase{"NonNumericWeightStopsLoading",
                 {u"定形郵便物,25,80,0"_s, u"定形郵便物,abc,90,0"_s, u"ゆうメール,150,180,0"_s},
                 ErrorNumber::TypeMismatch,
                 1,
                 0},
        RateCase{"EmptyWeightIsNoNumber",
                 {u"ゆうメール,150,180,0"_s, u"定形郵便物,,80,0"_s},
                 ErrorNumber::TypeMismatch,
                 0,
                 1},
        RateCase{"NonNumericPrice", {u"定形郵便物,25,円,0"_s}, ErrorNumber::TypeMismatch, 0, 0},
        RateCase{"WeightAbove32767Overflows",
                 {u"定形郵便物,25,80,0"_s, u"定形郵便物,32768,90,0"_s},
                 ErrorNumber::Overflow,
                 1,
                 0},
        RateCase{"EleventhRowIsLeftOutAndLoadingGoesOn",
                 standardLetterRows(11) + QStringList{u"ゆうメール,150,180,0"_s},
                 ErrorNumber::SubscriptOutOfRange, 10, 1},
        RateCase{"RowCutShort",
                 {u"ゆうメール,150,180,0"_s, u"定形郵便物,25"_s},
                 ErrorNumber::InputPastEndOfFile,
                 0,
                 1}));

INSTANTIATE_TEST_SUITE_P(
    Accepted, RateFile,
    ::testing::Values(
        RateCase{"TenRowsFit", standardLetterRows(10), std::nullopt, 10, 0},
        RateCase{"LargestWeightFits", {u"定形郵便物,32767,80,0"_s}, std::nullopt, 1, 0},
        RateCase{"BlanksAndQuotesAroundPieces",
                 {u"  \"定形郵便物\", 25 , 80,0"_s, u"ゆうメール,150,180,0"_s},
                 std::nullopt,
                 1,
                 1},
        // Numbers a kind does not keep are never read, so they cannot fail.
        RateCase{"UnkeptNumbersAreNotRead",
                 {u"ゆうパック,abc,xyz,60"_s, u"レターパック350,?,?,?"_s, u"定形郵便物,25,80,-"_s},
                 std::nullopt,
                 1,
                 0},
        RateCase{"BlankLinesAfterTheLastRow",
                 {u"定形郵便物,25,80,0"_s, QString(), QString()},
                 std::nullopt,
                 1,
                 0}));

TEST(RateRows, FirstFittingRowCountsFromOne) {
    RateRows rows;
    rows.rows[0] = {2000, 0, 60};
    rows.rows[1] = {5000, 0, 80};
    rows.count = 2;
    EXPECT_EQ(rows.firstFittingRow(25), 1);
    EXPECT_EQ(rows.firstFittingRow(2000), 1);
    EXPECT_EQ(rows.firstFittingRow(2001), 2);
    EXPECT_EQ(rows.firstFittingRow(5001), 0);
}

TEST(ReadShippingRates, NamesStartingWithMailBinShareOneKind) {
    ShippingRateTable table;
    const auto failure = content::readShippingRates(
        u"メール便,100,80,1\r\nメール便特大,200,90,2\r\nメール,300,100,3\r\nクロネコメール便,1,1,1\r\n"_s,
        table);
    EXPECT_FALSE(failure.has_value());
    EXPECT_EQ(table.mailBin.count, 2);
    EXPECT_EQ(table.mailBin.rows[1], (RateRow{200, 90, 2}));
}

} // namespace
