#include "core/option_lists.h"
#include "storage/detail_record.h"
#include "storage_fixture.h"

using namespace Qt::StringLiterals;

namespace {

class DetailRecordFile : public StorageTest {
protected:
    core::ListingRecord apply(const QString& line, const core::ListingRecord& before = {}) {
        m_app.writeLines(u"data/s.dat"_s, {line});
        return storage::ApplyDetailRecord(
            storage::ReadDetailRecord(m_files, m_app.path(u"data/s.dat"_s)), before);
    }
};

TEST_F(DetailRecordFile, PutsEachFieldOfTheFileIntoItsControl) {
    core::ListingRecord before;
    before.Check注意事項 = 1;
    // Fields 4 to 22 alternate 1 and 0; field 24 is not used; field 34 is not read.
    const core::ListingRecord after =
        apply(u"1,2,3,1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,1,7,0,1,0,1,\"佐川, 急便\",1,"
              "\"全国一律500円\",2,#2024-01-05#,9"_s,
              before);
    EXPECT_EQ(after.ComboBox商品重さ.text, core::weightOptions().at(2));
    EXPECT_EQ(after.ComboBoxクロネコメール便.position, 3);
    EXPECT_EQ(after.CheckBoxゆうちょ銀行, 1);
    EXPECT_EQ(after.CheckBox銀行1, 0);
    EXPECT_EQ(after.CheckBoxゆうパック持込割引, 1);
    EXPECT_EQ(after.CheckBoxクロネコメール便, 1);
    EXPECT_EQ(after.CheckBoxクロネコ宅急便, 0);
    EXPECT_EQ(after.CheckBoxその他の運送会社, 1);
    EXPECT_EQ(after.TextBoxその他の運送会社, u"佐川, 急便"_s);
    EXPECT_EQ(after.TextBox送料一律, u"全国一律500円"_s);
    EXPECT_EQ(after.CheckBox最安値, 2);
    EXPECT_EQ(after.Check注意事項, 0);
}

// Whatever the window took from a file, it writes back the same.
TEST_F(DetailRecordFile, WritesBackEveryFieldItPutIntoTheWindow) {
    m_app.writeLines(u"data/s.dat"_s,
                     {u"1,2,3,1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,0,1,1,3,0,1,0,1,\"佐川, 急便\",1,"
                      "\"全国一律500円\",2,#2024-01-05#"_s});
    const storage::DetailRecord read =
        storage::ReadDetailRecord(m_files, m_app.path(u"data/s.dat"_s));
    const core::ListingRecord window = storage::ApplyDetailRecord(read, {});
    m_app.writeBytes(u"data/t.dat"_s,
                     storage::encodeDetailRecord(storage::detailRecordOf(window, read.savedAt)));
    EXPECT_EQ(storage::ReadDetailRecord(m_files, m_app.path(u"data/t.dat"_s)), read);
}

struct BadRecord {
    const char* name;
    QString line;
    int number;
};
void PrintTo(const BadRecord& c, std::ostream* os) {
    *os << c.name;
}
class BadDetailRecord : public DetailRecordFile, public ::testing::WithParamInterface<BadRecord> {};
TEST_P(BadDetailRecord, FailsWithItsNumber) {
    expectError(GetParam().number, [&] { apply(GetParam().line); });
}
INSTANTIATE_TEST_SUITE_P(
    Records, BadDetailRecord,
    ::testing::Values(
        BadRecord{
            "SizeBeyondTheList",
            u"10,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",0,\"\",0,#2024-01-05#"_s,
            platform::ErrorNumber::InvalidPropertyValue},
        BadRecord{
            "CheckStateThree",
            u"0,0,0,3,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,\"\",0,\"\",0,#2024-01-05#"_s,
            platform::ErrorNumber::InvalidPropertyValue}),
    [](const auto& info) { return info.param.name; });

struct DescriptionCase {
    const char* name;
    QByteArray bytes;
    QString text;
};
void PrintTo(const DescriptionCase& c, std::ostream* os) {
    *os << c.name;
}
class Description : public StorageTest, public ::testing::WithParamInterface<DescriptionCase> {};
TEST_P(Description, ReadsBackWithCrLfAfterEveryLine) {
    m_app.writeBytes(u"data/s.txt"_s, GetParam().bytes);
    EXPECT_EQ(storage::readDescription(m_files, m_app.path(u"data/s.txt"_s)), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Files, Description,
    ::testing::Values(DescriptionCase{"NoFinalLineBreak", "a\r\nb", u"a\r\nb\r\n"_s},
                      DescriptionCase{"FinalLineBreak", "a\r\n", u"a\r\n"_s},
                      DescriptionCase{"LoneCrEndsALine", "a\rb", u"a\r\nb\r\n"_s},
                      DescriptionCase{"LoneLfStaysInTheLine", "a\nb", u"a\nb\r\n"_s},
                      DescriptionCase{"Empty", "", QString()}),
    [](const auto& info) { return info.param.name; });

} // namespace
