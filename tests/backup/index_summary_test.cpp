#include "backup/backup.h"
#include "backup/backup_reader.h"

#include <gtest/gtest.h>

namespace {

struct SummaryCase {
    const char* name;
    QByteArray index;
    int listingCount;
    QDateTime newest; // invalid: none
};

QDateTime at(int day, int hour = 0) {
    return QDateTime(QDate(2024, 3, day), QTime(hour, 0));
}

class IndexSummary : public testing::TestWithParam<SummaryCase> {};

TEST_P(IndexSummary, CountsTheListingsTheProgramWouldRead) {
    backup::BackupSummary summary;
    backup::summariseIndex(GetParam().index, summary);
    EXPECT_EQ(summary.listingCount, GetParam().listingCount);
    if (GetParam().newest.isValid())
        EXPECT_EQ(summary.newestListing, GetParam().newest);
    else
        EXPECT_FALSE(summary.newestListing);
}

INSTANTIATE_TEST_SUITE_P(
    Indexes, IndexSummary,
    testing::Values(
        SummaryCase{"DraftsAndPlaceholdersLeftOut",
                    "0,\"\",\"\",#2024-03-01#\r\n1,\"a\",\"下書き.dat\",#2024-03-09#\r\n"
                    "2,\"b\",\"x.dat\",#2024-03-02 10:00:00#\r\n3,\"c\",\"y.dat\",#2024-03-03#\r\n",
                    2, at(3)},
        // A title may hold a line end: the record goes on in the next line.
        SummaryCase{"RecordContinuedOnTheNextLine",
                    "2,\"first\r\nline\",\"x.dat\",#2024-03-05 09:00:00#\r\n"
                    "3,\"b\"\r\n\"y.dat\",#2024-03-04#\r\n",
                    2, at(5, 9)},
        SummaryCase{
            "BlankLinesBetweenRecords",
            "\r\n2,\"a\",\"x.dat\",#2024-03-02#\r\n\r\n\r\n3,\"b\",\"y.dat\",#2024-03-01#\r\n", 2,
            at(2)},
        // The program reads no entry past one it cannot read; neither does the summary.
        SummaryCase{"StopsAtAnUnreadableEntry",
                    "2,\"a\",\"x.dat\",#2024-03-02#\r\nx,\"b\",\"y.dat\",#2024-03-07#\r\n"
                    "3,\"c\",\"z.dat\",#2024-03-08#\r\n",
                    1, at(2)},
        SummaryCase{"StopsAtAnUnreadableDate",
                    "3,\"a\",\"x.dat\",#2024-13-02#\r\n2,\"b\",\"y.dat\",#2024-03-07#\r\n",
                    0,
                    {}},
        SummaryCase{"Empty", "", 0, {}}),
    [](const testing::TestParamInfo<SummaryCase>& info) { return info.param.name; });

} // namespace
