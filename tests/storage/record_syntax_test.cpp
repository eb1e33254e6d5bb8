#include "core/piece_reader.h"
#include "platform/cp932.h"
#include "storage/record_syntax.h"
#include "storage_fixture.h"

using namespace Qt::StringLiterals;
using storage::RecordReader;

namespace {

QByteArray cp932(const QString& text) {
    return platform::toCp932(text, platform::Unmappable::Refuse);
}

TEST(RecordReader, ReadsEachKindOfFieldAcrossLinesUpToTheEnd) {
    RecordReader in(
        cp932(u"\"0\",\"赤い傘, 新品\",\"\",#2024-01-05 09:30:00#\r\n-1,#2024-01-05#"_s));
    EXPECT_EQ(in.readInteger(), 0); // quoted, as the placeholder entry has it
    EXPECT_EQ(in.readText(), u"赤い傘, 新品"_s);
    EXPECT_EQ(in.readText(), QString());
    EXPECT_EQ(in.readDateTime(), QDateTime(QDate(2024, 1, 5), QTime(9, 30)));
    EXPECT_EQ(in.readInteger(), -1);
    EXPECT_EQ(in.readDateTime(), QDateTime(QDate(2024, 1, 5), QTime(0, 0)));
    expectError(platform::ErrorNumber::InputPastEndOfFile, [&] { in.readInteger(); });
}

struct BadField {
    const char* name;
    QByteArray bytes;
    bool dateTime;
    int number;
};
void PrintTo(const BadField& c, std::ostream* os) {
    *os << c.name;
}
class RecordReaderRefuses : public ::testing::TestWithParam<BadField> {};
TEST_P(RecordReaderRefuses, AFieldOfTheWrongKind) {
    RecordReader in(GetParam().bytes);
    expectError(GetParam().number,
                [&] { GetParam().dateTime ? void(in.readDateTime()) : void(in.readInteger()); });
}
INSTANTIATE_TEST_SUITE_P(
    Fields, RecordReaderRefuses,
    ::testing::Values(
        BadField{"Word", "abc", false, platform::ErrorNumber::TypeMismatch},
        BadField{"Decimal", "1.5", false, platform::ErrorNumber::TypeMismatch},
        BadField{"BeyondSixteenBits", "32768", false, platform::ErrorNumber::Overflow},
        BadField{"Month13", "#2024-13-01#", true, platform::ErrorNumber::TypeMismatch},
        BadField{"NoSeconds", "#2024-01-05 09:30#", true, platform::ErrorNumber::TypeMismatch}),
    [](const auto& info) { return info.param.name; });

// The reader splits the bytes itself, for speed; it must split them as the piece reader
// splits the decoded text.
class RecordReaderSplits : public ::testing::TestWithParam<QString> {};
TEST_P(RecordReaderSplits, LikeThePieceReader) {
    core::PieceReader pieces(GetParam());
    RecordReader fields(cp932(GetParam()));
    while (!pieces.atEnd()) {
        ASSERT_FALSE(fields.atEnd());
        EXPECT_EQ(platform::fromCp932(fields.readTextBytes().toByteArray()), pieces.next());
    }
    EXPECT_TRUE(fields.atEnd());
}
INSTANTIATE_TEST_SUITE_P(Texts, RecordReaderSplits,
                         ::testing::Values(u"a,b\r\nc\r\n"_s, u"a\r\n\r\nb"_s, u"a,"_s,
                                           u"a,\r\nb\rc\nd"_s, u"  \"x,y\" tail , z "_s,
                                           u"\"一\r\n二\",表,ソ"_s, u"\"open,end"_s, QString()));

TEST(RecordWriter, LeavesOutDoubleQuotesAndWritesMidnightAsTheDate) {
    storage::RecordWriter out;
    out.integer(-1);
    out.text(u"24\"型, テレビ"_s);
    out.dateTime(QDateTime(QDate(2024, 1, 5), QTime(0, 0)));
    out.endRecord();
    out.dateTime(QDateTime(QDate(2024, 1, 5), QTime(9, 0, 7)));
    EXPECT_EQ(out.bytes(), cp932(u"-1,\"24型, テレビ\",#2024-01-05#\r\n#2024-01-05 09:00:07#"_s));
}

} // namespace
