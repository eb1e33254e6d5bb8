#include "platform/error.h"
#include "profile/profile_file.h"
#include "temp_app_folder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::StringLiterals;
using profile::ProfileFile;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(m_app.path(u"ini"_s)); }

    TempAppFolder m_app;
    ProfileFile m_file{m_app.path(u"ini/test.ini"_s)};
};

// --- reading -------------------------------------------------------------------------------

// A byte literal that may hold NULs.
template <std::size_t N> QByteArray bytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

struct ReadCase {
    const char* name;
    QByteArray file;
    QString section;
    QString key;
    std::optional<QString> expected;
};
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileFileRead : public ProfileFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileFileRead, FollowsTheProfileReadingRules) {
    m_app.writeBytes(u"ini/test.ini"_s, GetParam().file);
    EXPECT_EQ(m_file.read(GetParam().section, GetParam().key), GetParam().expected);
}

const QByteArray k200Ascii = QByteArray(200, 'x');
// 100 × あ is 200 bytes; 127 bytes would end inside the 64th character.
const QByteArray k100Hiragana = QByteArray("\x82\xA0").repeated(100);

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileFileRead,
    ::testing::Values(
        ReadCase{"ValueIsTrimmed", "[S]\r\nk=  v w  \r\n", u"S"_s, u"k"_s, u"v w"_s},
        ReadCase{"EmptyValueIsMissing", "[S]\r\nk=\r\n", u"S"_s, u"k"_s, std::nullopt},
        ReadCase{"BlankValueIsMissing", bytes("[S]\r\nk= \0 \r\n"), u"S"_s, u"k"_s, std::nullopt},
        ReadCase{"NulsAroundValueAreTrimmed", bytes("[S]\r\nk=\0v\0\r\n"), u"S"_s, u"k"_s, u"v"_s},
        ReadCase{"MissingKey", "[S]\r\nother=1\r\n", u"S"_s, u"k"_s, std::nullopt},
        ReadCase{"KeyOfAnotherSection", "[A]\r\nk=1\r\n[B]\r\nx=2\r\n", u"B"_s, u"k"_s,
                 std::nullopt},
        ReadCase{"CommentIsNoKey", "[S]\r\n;k=1\r\n", u"S"_s, u";k"_s, std::nullopt},
        ReadCase{"NamesAreCaseInsensitive", "[Section\x8F\xA4\x95\x69]\r\nkey=5\r\n",
                 u"SECTION商品"_s, u"KEY"_s, u"5"_s},
        // Only ASCII letters fold: Ｓ and ｓ are different names.
        ReadCase{"FullWidthLettersDoNotFold", "[\x82\x72]\r\nk=1\r\n", u"ｓ"_s, u"k"_s,
                 std::nullopt},
        ReadCase{"SpacesAroundNamesAreIgnored", "  [ S ]  \r\n  k  = 1\r\n", u"S"_s, u"k"_s,
                 u"1"_s},
        // ゾ is 0x83 0x5D: the trail byte is the byte of "]".
        ReadCase{"TrailByteLikeClosingBracket", "[\x83\x5D]\r\nk=1\r\n", u"ゾ"_s, u"k"_s, u"1"_s},
        ReadCase{"LfLineEnds", "[S]\nk=1\nj=2", u"S"_s, u"j"_s, u"2"_s},
        ReadCase{"LongValueIsCutTo127Bytes", "[S]\r\nk=" + k200Ascii + "\r\n", u"S"_s, u"k"_s,
                 QString(127, u'x')},
        ReadCase{"CutNeverSplitsADoubleByteCharacter", "[S]\r\nk=" + k100Hiragana + "\r\n", u"S"_s,
                 u"k"_s, QString(63, u'あ')},
        // The last lead byte of each range: 檗 0x9F40, 髜 0xFC40.
        ReadCase{"CutKeepsTheEndOfTheFirstLeadRange",
                 "[S]\r\nk=" + QByteArray("\x9F\x40").repeated(100) + "\r\n", u"S"_s, u"k"_s,
                 QString(63, u'檗')},
        ReadCase{"CutKeepsTheEndOfTheSecondLeadRange",
                 "[S]\r\nk=" + QByteArray("\xFC\x40").repeated(100) + "\r\n", u"S"_s, u"k"_s,
                 QString(63, u'髜')},
        ReadCase{"SpacesBeforeTheCutAreTrimmed", "[S]\r\nk=x" + QByteArray(126, ' ') + "y\r\n",
                 u"S"_s, u"k"_s, u"x"_s},
        ReadCase{"InvalidBytesBecomeReplacementCharacters", "[S]\r\nk=\x81 a\xFF\r\n", u"S"_s,
                 u"k"_s, u"\uFFFD a\uFFFD"_s}),
    [](const auto& info) { return info.param.name; });

TEST_F(ProfileFileTest, MissingFileReadsAsMissing) {
    EXPECT_EQ(m_file.read(u"S"_s, u"k"_s), std::nullopt);
}

TEST_F(ProfileFileTest, UnreadableFileReadsAsMissing) {
    QDir().mkpath(m_file.path()); // a folder where the file should be
    EXPECT_EQ(m_file.read(u"S"_s, u"k"_s), std::nullopt);
}

// --- writing -------------------------------------------------------------------------------

TEST_F(ProfileFileTest, JapaneseNamesAreStoredInCp932) {
    m_file.write(u"Section発送"_s, u"ゆうパックmotikomi"_s, u"1"_s);
    EXPECT_EQ(m_app.readBytes(u"ini/test.ini"_s),
              QByteArray("[Section\x94\xAD\x91\x97]\r\n"
                         "\x82\xE4\x82\xA4\x83\x70\x83\x62\x83\x4E"
                         "motikomi=1\r\n"));
}

struct TrimCase {
    QString value;
    QByteArray storedLine;
};
void PrintTo(const TrimCase& c, std::ostream* os) {
    *os << c.storedLine.toStdString();
}

class ProfileFileWriteValue : public ProfileFileTest,
                              public ::testing::WithParamInterface<TrimCase> {};

TEST_P(ProfileFileWriteValue, StoresTheValueWithoutNulsAndSurroundingSpaces) {
    m_file.write(u"S"_s, u"k"_s, GetParam().value);
    EXPECT_EQ(m_app.readBytes(u"ini/test.ini"_s), "[S]\r\n" + GetParam().storedLine + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Values, ProfileFileWriteValue,
    ::testing::Values(TrimCase{u"  abc  "_s, "k=abc"}, TrimCase{u"\0a\0b c\0 "_s, "k=ab c"},
                      TrimCase{u""_s, "k="}, TrimCase{u"   "_s, "k="},
                      // Only the ASCII space is trimmed; the ideographic space is text.
                      TrimCase{u"\u3000x"_s, "k=\x81\x40x"}));

TEST_F(ProfileFileTest, WrittenValueReadsBack) {
    m_file.write(u"S"_s, u"k"_s, u"  abc  "_s);
    m_file.write(u"S"_s, u"empty"_s, u""_s);
    EXPECT_EQ(m_file.read(u"S"_s, u"k"_s), u"abc"_s);
    EXPECT_EQ(m_file.read(u"S"_s, u"empty"_s), std::nullopt);
}

struct RewriteCase {
    const char* name;
    QByteArray before;
    QString section, key, value;
    QByteArray after;
};
void PrintTo(const RewriteCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileFileRewrite : public ProfileFileTest,
                           public ::testing::WithParamInterface<RewriteCase> {};

TEST_P(ProfileFileRewrite, ChangesOneLineAndKeepsTheRest) {
    m_app.writeBytes(u"ini/test.ini"_s, GetParam().before);
    m_file.write(GetParam().section, GetParam().key, GetParam().value);
    EXPECT_EQ(m_app.readBytes(u"ini/test.ini"_s), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileFileRewrite,
    ::testing::Values(
        RewriteCase{"ReplacesInPlaceKeepingTheKeysSpelling",
                    cp932Lines({u"; 設定"_s, u"[A]"_s, u"x=1"_s, u"K = old"_s, u""_s, u"[B]"_s,
                                u"k=keep"_s, u"unknown=?"_s}),
                    u"a"_s, u"k"_s, u"new"_s,
                    cp932Lines({u"; 設定"_s, u"[A]"_s, u"x=1"_s, u"K =new"_s, u""_s, u"[B]"_s,
                                u"k=keep"_s, u"unknown=?"_s})},
        RewriteCase{"SameKeyInAnotherSectionIsUntouched",
                    cp932Lines({u"[A]"_s, u"k=1"_s, u"[B]"_s, u"k=2"_s}), u"B"_s, u"k"_s, u"9"_s,
                    cp932Lines({u"[A]"_s, u"k=1"_s, u"[B]"_s, u"k=9"_s})},
        RewriteCase{
            "NewKeyFollowsTheSectionsLastKey",
            cp932Lines({u"[A]"_s, u"x=1"_s, u""_s, u"; B の説明"_s, u"[B]"_s, u"y=2"_s}), u"A"_s,
            u"z"_s, u"3"_s,
            cp932Lines({u"[A]"_s, u"x=1"_s, u"z=3"_s, u""_s, u"; B の説明"_s, u"[B]"_s, u"y=2"_s})},
        RewriteCase{"NewKeyInASectionWithoutKeys", cp932Lines({u"[A]"_s, u""_s, u"[B]"_s}), u"A"_s,
                    u"z"_s, u"3"_s, cp932Lines({u"[A]"_s, u"z=3"_s, u""_s, u"[B]"_s})},
        RewriteCase{"NewSectionIsAppended", cp932Lines({u"[A]"_s, u"x=1"_s, u""_s}), u"発送"_s,
                    u"k"_s, u"v"_s, cp932Lines({u"[A]"_s, u"x=1"_s, u""_s, u"[発送]"_s, u"k=v"_s})},
        RewriteCase{"LfLinesAndAMissingFinalLineEndBecomeCrLf", "[A]\nx=1\n; end", u"A"_s, u"x"_s,
                    u"2"_s, cp932Lines({u"[A]"_s, u"x=2"_s, u"; end"_s})}),
    [](const auto& info) { return info.param.name; });

// --- refused writes ------------------------------------------------------------------------

TEST_F(ProfileFileTest, WriteIntoAPlainFileWhereTheFolderShouldBeThrows) {
    m_app.writeBytes(u"data"_s, "not a folder");
    const ProfileFile file(m_app.path(u"data/test.ini"_s));
    try {
        file.write(u"S"_s, u"k"_s, u"v"_s);
        FAIL() << "the write did not report its failure";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), platform::ErrorNumber::PathNotFound);
    }
    EXPECT_EQ(m_app.readBytes(u"data"_s), "not a folder");
}

struct RefusedCase {
    const char* name;
    QString section, key, value;
};
void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class ProfileFileRefuses : public ProfileFileTest,
                           public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(ProfileFileRefuses, AndLeavesTheFileUnchanged) {
    const QByteArray before = cp932Lines({u"[S]"_s, u"k=old"_s});
    m_app.writeBytes(u"ini/test.ini"_s, before);
    EXPECT_THROW(m_file.write(GetParam().section, GetParam().key, GetParam().value),
                 platform::Error);
    EXPECT_EQ(m_app.readBytes(u"ini/test.ini"_s), before);
    EXPECT_EQ(QDir(m_app.path(u"ini"_s)).entryList(QDir::Files), QStringList{u"test.ini"_s});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileFileRefuses,
    ::testing::Values(RefusedCase{"UnencodableValue", u"S"_s, u"k"_s, u"a😀"_s},
                      RefusedCase{"UnencodableSection", u"S😀"_s, u"k"_s, u"v"_s},
                      RefusedCase{"UnencodableKey", u"S"_s, u"k😀"_s, u"v"_s},
                      // A line break would smuggle in a line of its own: "x" + "[S]" ...
                      RefusedCase{"LineBreakInValue", u"S"_s, u"k"_s, u"new\r\n[T]"_s},
                      RefusedCase{"EqualsSignInKey", u"S"_s, u"k=x"_s, u"v"_s},
                      RefusedCase{"BracketInSection", u"S]x"_s, u"k"_s, u"v"_s},
                      RefusedCase{"EmptyKey", u"S"_s, u""_s, u"v"_s}),
    [](const auto& info) { return info.param.name; });

} // namespace
