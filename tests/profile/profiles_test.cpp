#include "platform/error.h"
#include "profile/profiles.h"
#include "temp_app_folder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using profile::Profiles;

namespace {

class ProfilesTest : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(m_app.path(u"ini"_s)); }

    TempAppFolder m_app;
    Profiles m_profiles{m_app.path()};
};

// --- flags -----------------------------------------------------------------------------------

struct FlagCase {
    QString stored;
    QString expected;
};
void PrintTo(const FlagCase& c, std::ostream* os) {
    *os << '"' << c.stored.toStdString() << "\" -> " << c.expected.toStdString();
}

class ReadAsFlag : public ProfilesTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(ReadAsFlag, GivesOneOrZero) {
    m_app.writeLines(u"ini/auction.ini"_s,
                     {u"[Section支払い]"_s, u"ychonoff="_s + GetParam().stored});
    m_app.writeLines(u"ini/basic.ini"_s, {u"[yahoo]"_s, u"boothselect="_s + GetParam().stored});
    EXPECT_EQ(m_profiles.ReadAuctionIni(u"Section支払い"_s, u"ychonoff"_s, true),
              GetParam().expected);
    EXPECT_EQ(m_profiles.ReadBasicIni(u"yahoo"_s, u"boothselect"_s, true), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadAsFlag,
                         ::testing::Values(FlagCase{u"1"_s, u"1"_s}, FlagCase{u"2"_s, u"1"_s},
                                           FlagCase{u"-1"_s, u"1"_s}, FlagCase{u"0.5"_s, u"1"_s},
                                           FlagCase{u"True"_s, u"1"_s}, FlagCase{u"tRUE"_s, u"1"_s},
                                           FlagCase{u"0"_s, u"0"_s}, FlagCase{u" 0 "_s, u"0"_s},
                                           FlagCase{u"-0.00"_s, u"0"_s},
                                           FlagCase{u"False"_s, u"0"_s},
                                           // A damaged value switches the option off, never on.
                                           FlagCase{u"abc"_s, u"0"_s}, FlagCase{u"1abc"_s, u"0"_s},
                                           FlagCase{u"Ture"_s, u"0"_s}, FlagCase{u""_s, u"0"_s}));

TEST_F(ProfilesTest, MissingFileReadsAsEmptyTextOrOff) {
    EXPECT_EQ(m_profiles.ReadAuctionIni(u"Section支払い"_s, u"ychkigou"_s, false), u""_s);
    EXPECT_EQ(m_profiles.ReadAuctionIni(u"Section支払い"_s, u"ychonoff"_s, true), u"0"_s);
    EXPECT_EQ(m_profiles.ReadBasicIni(u"yahoo"_s, u"id"_s, false), u""_s);
}

TEST_F(ProfilesTest, TextModeGivesTheStoredTextUnchanged) {
    m_app.writeLines(u"ini/basic.ini"_s, {u"[yahoo]"_s, u"id=  seller_01 "_s});
    EXPECT_EQ(m_profiles.ReadBasicIni(u"yahoo"_s, u"id"_s, false), u"seller_01"_s);
}

// --- setting.ini defaults --------------------------------------------------------------------

struct SettingCase {
    const char* name;
    QStringList file; // empty: no file at all
    QString section, key;
    QString expected;
};
void PrintTo(const SettingCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadSetting : public ProfilesTest, public ::testing::WithParamInterface<SettingCase> {};

TEST_P(ReadSetting, GivesTheStoredValueOrItsDefault) {
    if (!GetParam().file.isEmpty())
        m_app.writeLines(u"ini/setting.ini"_s, GetParam().file);
    EXPECT_EQ(m_profiles.ReadSettingIni(GetParam().section, GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadSetting,
    ::testing::Values(
        SettingCase{"ColourPreset", {}, u"color"_s, u"main"_s, u"1"_s},
        SettingCase{"UserColour", {}, u"color"_s, u"userS"_s, u"16777215"_s},
        SettingCase{"AnyOtherColourKey", {}, u"color"_s, u"other"_s, u"16777215"_s},
        SettingCase{"Template", {}, u"template"_s, u"name"_s, u"temp1.tmpl"_s},
        SettingCase{"EmptyTemplateName",
                    {u"[template]"_s, u"name="_s},
                    u"template"_s,
                    u"name"_s,
                    u"temp1.tmpl"_s},
        SettingCase{"StoredTemplateName",
                    {u"[template]"_s, u"name=temp2.tmpl"_s},
                    u"template"_s,
                    u"name"_s,
                    u"temp2.tmpl"_s},
        SettingCase{"DisplayKey", {}, u"disp"_s, u"pos"_s, u"0"_s},
        // The first-run title style is 1, but a missing one reads as 0.
        SettingCase{"MissingTitleStyle", {}, u"font"_s, u"ttlstyle"_s, u"0"_s},
        SettingCase{
            "StoredFontKey", {u"[font]"_s, u"srclr=255"_s}, u"font"_s, u"srclr"_s, u"255"_s},
        SettingCase{"UnknownFontKeyMissing", {}, u"font"_s, u"size"_s, u""_s},
        SettingCase{
            "UnknownFontKeyPresent", {u"[font]"_s, u"size=12"_s}, u"font"_s, u"size"_s, u""_s},
        SettingCase{"OtherSection", {}, u"web"_s, u"home"_s, u""_s},
        SettingCase{"StoredInOtherSection",
                    {u"[web]"_s, u"home=http://127.0.0.1/"_s},
                    u"web"_s,
                    u"home"_s,
                    u"http://127.0.0.1/"_s}),
    [](const auto& info) { return info.param.name; });

// --- the three files -------------------------------------------------------------------------

struct FileCase {
    const char* name;
    void (Profiles::*write)(const QString&, const QString&, const QString&) const;
    QString relativePath;
};
void PrintTo(const FileCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteOperation : public ProfilesTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(WriteOperation, WritesItsOwnFileBelowTheApplicationFolder) {
    (m_profiles.*GetParam().write)(u"s"_s, u"k"_s, u" v "_s);
    EXPECT_EQ(m_app.readBytes(GetParam().relativePath), cp932Lines({u"[s]"_s, u"k=v"_s}));
}

// A save that cannot be written is reported, not lost.
TEST_P(WriteOperation, FailedWriteThrows) {
    QDir(m_app.path()).rmdir(u"ini"_s);
    m_app.writeBytes(u"ini"_s, "a plain file where the folder should be");
    EXPECT_THROW((m_profiles.*GetParam().write)(u"s"_s, u"k"_s, u"v"_s), platform::Error);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WriteOperation,
    ::testing::Values(FileCase{"Auction", &Profiles::WriteAuctionIni, u"ini/auction.ini"_s},
                      FileCase{"Setting", &Profiles::WriteSettingIni, u"ini/setting.ini"_s},
                      FileCase{"Basic", &Profiles::WriteBasicIni, u"ini/basic.ini"_s}),
    [](const auto& info) { return info.param.name; });

TEST_F(ProfilesTest, EachReadUsesItsOwnFile) {
    m_app.writeLines(u"ini/auction.ini"_s, {u"[s]"_s, u"k=auction"_s});
    m_app.writeLines(u"ini/basic.ini"_s, {u"[s]"_s, u"k=basic"_s});
    m_app.writeLines(u"ini/setting.ini"_s, {u"[s]"_s, u"k=setting"_s});
    EXPECT_EQ(m_profiles.ReadAuctionIni(u"s"_s, u"k"_s, false), u"auction"_s);
    EXPECT_EQ(m_profiles.ReadBasicIni(u"s"_s, u"k"_s, false), u"basic"_s);
    EXPECT_EQ(m_profiles.ReadSettingIni(u"s"_s, u"k"_s), u"setting"_s);
}

// A batch must give the same files as the single writes, and nothing before its commit.
TEST_F(ProfilesTest, BatchWritesReachTheFilesOnlyAtTheCommit) {
    m_app.writeLines(u"ini/auction.ini"_s, {u"; kept"_s, u"[s]"_s, u"a=old"_s});
    const QByteArray before = m_app.readBytes(u"ini/auction.ini"_s);
    profile::ProfileBatch batch(m_profiles);
    m_profiles.WriteAuctionIni(u"s"_s, u"a"_s, u"new"_s);
    m_profiles.WriteAuctionIni(u"Section発送"_s, u"b"_s, u" 1 "_s);
    m_profiles.WriteSettingIni(u"color"_s, u"main"_s, u"4"_s);
    EXPECT_EQ(m_app.readBytes(u"ini/auction.ini"_s), before);
    EXPECT_EQ(m_profiles.ReadAuctionIni(u"s"_s, u"a"_s, false), u"new"_s);
    batch.commit();
    EXPECT_EQ(m_app.readBytes(u"ini/auction.ini"_s),
              cp932Lines({u"; kept"_s, u"[s]"_s, u"a=new"_s, u"[Section発送]"_s, u"b=1"_s}));
    EXPECT_EQ(m_app.readBytes(u"ini/setting.ini"_s), cp932Lines({u"[color]"_s, u"main=4"_s}));
    // After the commit, writes go straight to the file again.
    m_profiles.WriteBasicIni(u"yahoo"_s, u"id"_s, u"seller"_s);
    EXPECT_EQ(m_app.readBytes(u"ini/basic.ini"_s), cp932Lines({u"[yahoo]"_s, u"id=seller"_s}));
}

// A restore reads inside a batch; its commit must not rewrite the files it only read.
TEST_F(ProfilesTest, BatchThatOnlyReadsReplacesNoFile) {
    m_app.writeLines(u"ini/setting.ini"_s, {u"[color]"_s, u"main=4"_s});
    const QString path = m_app.path(u"ini/setting.ini"_s);
    const QDateTime past(QDate(2020, 1, 1), QTime(0, 0));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(past, QFileDevice::FileModificationTime));
    }
    {
        const profile::ProfileBatch batch(m_profiles);
        EXPECT_EQ(m_profiles.ReadSettingIni(u"color"_s, u"main"_s), u"4"_s);
        EXPECT_EQ(m_profiles.ReadAuctionIni(u"missing"_s, u"key"_s, true), u"0"_s);
    }
    EXPECT_EQ(QFileInfo(path).lastModified(), past);
    EXPECT_FALSE(QFileInfo::exists(m_app.path(u"ini/auction.ini"_s)));
}

} // namespace
