#include "platform/error.h"
#include "platform/text_file.h"
#include "temp_app_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(TextFile, WriteTextLinesEndsEveryLineWithCrLf) {
    TempAppFolder app;
    platform::writeTextLines(app.path(u"a.txt"_s), {u"a"_s, u""_s, u"価格～"_s});
    EXPECT_EQ(app.readBytes(u"a.txt"_s), QByteArray("a\r\n\r\n\x89\xBF\x8A\x69\x81\x60\r\n"));
    // Written beside the target and renamed: nothing else is left in the folder.
    EXPECT_EQ(QDir(app.path()).entryList(QDir::Files), QStringList{u"a.txt"_s});
}

TEST(TextFile, WriteTextTurnsEveryLineEndIntoCrLf) {
    TempAppFolder app;
    platform::writeText(app.path(u"a.txt"_s), u"a\nb\rc\r\nd"_s);
    EXPECT_EQ(app.readBytes(u"a.txt"_s), "a\r\nb\r\nc\r\nd");
}

struct LinesCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};
void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadTextLines : public ::testing::TestWithParam<LinesCase> {};
TEST_P(ReadTextLines, SplitsAtAnyLineEnd) {
    TempAppFolder app;
    app.writeBytes(u"a.txt"_s, GetParam().bytes);
    EXPECT_EQ(platform::readTextLines(app.path(u"a.txt"_s)), GetParam().lines);
}
INSTANTIATE_TEST_SUITE_P(
    Files, ReadTextLines,
    ::testing::Values(LinesCase{"CrLf", "\x96\x6B\x8A\x43\x93\xB9\r\nb\r\n", {u"北海道"_s, u"b"_s}},
                      LinesCase{"Lf", "a\nb\n", {u"a"_s, u"b"_s}},
                      LinesCase{"NoFinalLineEnd", "a\r\nb", {u"a"_s, u"b"_s}},
                      LinesCase{"BlankLastLine", "a\r\n\r\n", {u"a"_s, u""_s}},
                      LinesCase{"Empty", "", {}}),
    [](const auto& info) { return info.param.name; });

struct MissingCase {
    const char* name;
    QString relativePath;
    int number;
};
void PrintTo(const MissingCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadMissing : public ::testing::TestWithParam<MissingCase> {};
TEST_P(ReadMissing, ThrowsItsErrorNumber) {
    TempAppFolder app;
    try {
        platform::readTextLines(app.path(GetParam().relativePath));
        FAIL() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), GetParam().number);
    }
}
INSTANTIATE_TEST_SUITE_P(Paths, ReadMissing,
                         ::testing::Values(MissingCase{"File", u"missing.txt"_s,
                                                       platform::ErrorNumber::FileNotFound},
                                           MissingCase{"FolderOnTheWay", u"missing/a.txt"_s,
                                                       platform::ErrorNumber::PathNotFound}),
                         [](const auto& info) { return info.param.name; });

TEST(TextFile, WriteIntoAMissingFolderThrowsPathNotFound) {
    TempAppFolder app;
    try {
        platform::writeTextLines(app.path(u"missing/a.txt"_s), {u"a"_s});
        FAIL() << "no error";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), platform::ErrorNumber::PathNotFound);
    }
}

TEST(Error, ReportGivesDescriptionTagAndNumber) {
    EXPECT_EQ(platform::Error::fromNumber(53).report(u"CH"_s),
              u"ファイルが見つかりません。 (CH 53)"_s);
    EXPECT_EQ(platform::Error(76, u"パスが見つかりません。"_s).report(u"CB12"_s),
              u"パスが見つかりません。 (CB12 76)"_s);
}

} // namespace
