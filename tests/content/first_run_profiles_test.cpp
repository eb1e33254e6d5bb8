#include "content/profile_bindings.h"
#include "temp_app_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using profile::Profiles;

namespace {

const QStringList kAuctionIni = {
    u"[Section商品]"_s,
    u"商品サイズ=0"_s,
    u"商品重さ=0"_s,
    u"[Section支払い]"_s,
    u"setumeionoff=0"_s,
    u"ychonoff=0"_s,
    u"ychkigou="_s,
    u"ychno="_s,
    u"bk1onoff=0"_s,
    u"bk1name="_s,
    u"bk1siten="_s,
    u"bk1no="_s,
    u"bk2onoff=0"_s,
    u"bk2name="_s,
    u"bk2siten="_s,
    u"bk2no="_s,
    u"bk3onoff=0"_s,
    u"bk3name="_s,
    u"bk3siten="_s,
    u"bk3no="_s,
    u"ktnonoff=1"_s,
    u"yanetonoff=0"_s,
    u"gnknonoff=0"_s,
    u"dbkonoff=0"_s,
    u"dbktext="_s,
    u"sntonoff=0"_s,
    u"snttext="_s,
    u"[Section発送]"_s,
    u"setumeionoff=1"_s,
    u"定型onoff=0"_s,
    u"定形外onoff=0"_s,
    u"ゆうメールonoff=0"_s,
    u"ミニレターonoff=0"_s,
    u"レターパック350onoff=0"_s,
    u"レターパック500onoff=0"_s,
    u"ゆうパックonoff=1"_s,
    u"ゆうパックmotikomi=0"_s,
    u"メール便onoff=0"_s,
    u"メール便default=0"_s,
    u"宅急便onoff=1"_s,
    u"宅急便motikomi=0"_s,
    u"その他の運送会社onoff=0"_s,
    u"その他の運送会社text="_s,
    u"送料一律onoff=0"_s,
    u"送料一律text="_s,
    u"最安値onoff=0"_s,
    u"[Section基本注意]"_s,
    u"setumeionoff=0"_s,
    u"[Section設定]"_s,
    u"editor=0"_s,
    u"myeditor="_s,
};

const QStringList kSettingIni = {
    u"[color]"_s,         u"main=1"_s,    u"userM=16777215"_s, u"userS=16777215"_s, u"[template]"_s,
    u"name=temp1.tmpl"_s, u"[disp]"_s,    u"width=0"_s,        u"pos=0"_s,          u"[font]"_s,
    u"ttlstyle=1"_s,      u"ttlsize=1"_s, u"ttlclr=0"_s,       u"mdsstyle=1"_s,     u"mdssize=0"_s,
    u"mdsclr=0"_s,        u"srstyle=0"_s, u"srsize=0"_s,       u"srclr=0"_s,
};

const QStringList kBasicIni = {
    u"[haso]"_s,      u"tiiki=-1"_s,      u"[yahoo]"_s,    u"id="_s,
    u"boothdisp=0"_s, u"boothselect=0"_s, u"boothuser="_s,
};

struct FirstRunCase {
    const char* name;
    void (*create)(const Profiles&);
    QString relativePath;
    QStringList expectedLines;
};
void PrintTo(const FirstRunCase& c, std::ostream* os) {
    *os << c.name;
}

class FirstRun : public ::testing::TestWithParam<FirstRunCase> {
protected:
    void SetUp() override { QDir().mkpath(m_app.path(u"ini"_s)); }

    TempAppFolder m_app;
    Profiles m_profiles{m_app.path()};
};

TEST_P(FirstRun, WritesTheCompleteDefaultFile) {
    GetParam().create(m_profiles);
    EXPECT_EQ(m_app.readBytes(GetParam().relativePath), cp932Lines(GetParam().expectedLines));
}

INSTANTIATE_TEST_SUITE_P(
    Files, FirstRun,
    ::testing::Values(FirstRunCase{"Auction", &content::CreateDefaultAuctionIni,
                                   u"ini/auction.ini"_s, kAuctionIni},
                      FirstRunCase{"Setting", &content::CreateDefaultSettingIni,
                                   u"ini/setting.ini"_s, kSettingIni},
                      FirstRunCase{"Basic", &content::CreateDefaultBasicIni, u"ini/basic.ini"_s,
                                   kBasicIni}),
    [](const auto& info) { return info.param.name; });

TEST(FirstRunAuctionIni, ReadsBackAsTheListingFormsStartingChoices) {
    TempAppFolder app;
    QDir().mkpath(app.path(u"ini"_s));
    const Profiles profiles(app.path());
    content::CreateDefaultAuctionIni(profiles);
    // Not written at first run, so it reads as off.
    EXPECT_EQ(profiles.ReadAuctionIni(u"Section発送"_s, u"はこBOONonoff"_s, true), u"0"_s);
    EXPECT_EQ(profiles.ReadAuctionIni(u"Section発送"_s, u"setumeionoff"_s, true), u"1"_s);
    EXPECT_EQ(profiles.ReadAuctionIni(u"Section基本注意"_s, u"setumeionoff"_s, true), u"0"_s);
    EXPECT_EQ(profiles.ReadAuctionIni(u"Section設定"_s, u"myeditor"_s, false), u""_s);
}

} // namespace
