#include "core/option_lists.h"
#include "core/text_tables.h"
#include "platform/error.h"
#include "temp_app_folder.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList numberedLines(const QString& stem, int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << stem + QString::number(i);
    return lines;
}

struct TableCase {
    const char* name;
    QString file;
    std::function<core::FixedTable(const QString&)> read;
    QStringList lines;
    int size;
    bool overflows;
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.name;
}

class FixedTableFile : public ::testing::TestWithParam<TableCase> {};

TEST_P(FixedTableFile, FillsTheTableAndReportsAnExtraPiece) {
    const TableCase& c = GetParam();
    TempAppFolder app;
    app.writeLines(c.file, c.lines);

    const core::FixedTable table = c.read(app.path());

    ASSERT_EQ(table.entries.size(), c.size);
    const qsizetype kept = std::min<qsizetype>(c.lines.size(), c.size);
    EXPECT_EQ(table.entries.mid(0, kept), c.lines.mid(0, kept));
    for (qsizetype i = kept; i < c.size; ++i)
        EXPECT_TRUE(table.entries[i].isEmpty()) << "entry " << i;
    if (c.overflows) {
        ASSERT_TRUE(table.error.has_value());
        EXPECT_EQ(table.error->number(), platform::ErrorNumber::SubscriptOutOfRange);
    } else {
        EXPECT_FALSE(table.error.has_value());
    }
}

const auto readRegions = [](const QString& folder) { return core::readPrefectureTable({folder}); };
const auto readLinks = [](const QString& folder) { return core::readLinkTable({folder}); };

INSTANTIATE_TEST_SUITE_P(
    Sizes, FixedTableFile,
    ::testing::Values(
        TableCase{"FortySevenRegionsLeaveTheLastEntryEmpty", u"text/都道府県.txt"_s, readRegions,
                  numberedLines(u"県"_s, 47), core::kPrefectureCount, false},
        TableCase{"FortyEightRegionsFit", u"text/都道府県.txt"_s, readRegions,
                  numberedLines(u"地域"_s, 48), core::kPrefectureCount, false},
        TableCase{"FortyNinthRegionFails", u"text/都道府県.txt"_s, readRegions,
                  numberedLines(u"地域"_s, 49), core::kPrefectureCount, true},
        TableCase{"FiveLinkLines",
                  u"text/リンク情報.txt"_s,
                  readLinks,
                  {u"<a href=\"https://example.jp/a\" target=\"_blank\">ゆうパック料金表</a>"_s,
                   u"<a href=\"X\"><img alt=\"マイ\" SRC=https://example.jp/b.gif></a>"_s},
                  core::kLinkCount,
                  false},
        TableCase{"TwelfthLinkLineFails", u"text/リンク情報.txt"_s, readLinks,
                  numberedLines(u"link"_s, 12), core::kLinkCount, true}));

TEST(FixedTable, CommasSplitEntriesLikeLineEnds) {
    TempAppFolder app;
    app.writeLines(u"text/都道府県.txt"_s, {u"北海道,青森県"_s, u"\"岩手県\""_s});
    const core::FixedTable table = core::readPrefectureTable({app.path()});
    EXPECT_EQ(table.entries.mid(0, 4),
              (QStringList{u"北海道"_s, u"青森県"_s, u"岩手県"_s, QString()}));
}

TEST(FixedTable, MissingFileIsFileNotFound) {
    TempAppFolder app;
    app.writeLines(u"text/other.txt"_s, {});
    try {
        core::readLinkTable({app.path()});
        FAIL() << "no error for a missing file";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), platform::ErrorNumber::FileNotFound);
    }
}

} // namespace
