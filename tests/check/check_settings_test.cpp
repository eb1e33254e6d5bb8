#include "check/check_settings.h"
#include "temp_app_folder.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

TEST(CheckSettings, MissingFileOrSectionGivesTheDefaults) {
    TempAppFolder app;
    EXPECT_EQ(check::readCheckSettings(app.path(u"ini/setting.ini"_s)), check::CheckSettings{});
    app.writeLines(u"ini/setting.ini"_s, {u"[template]"_s, u"name=temp2.tmpl"_s});
    EXPECT_EQ(check::readCheckSettings(app.path(u"ini/setting.ini"_s)), check::CheckSettings{});
}

TEST(CheckSettings, ReadsHostsFromEveryNumberedKeyAndTheLimit) {
    TempAppFolder app;
    // shop2 is missing on purpose: a gap must not end the list.
    app.writeLines(u"ini/setting.ini"_s,
                   {u"[CHECK]"_s, u"defaultshops=0"_s,
                    u"shop1=https://Shop.Example.jp/items *.other.example.com"_s,
                    u"shop3=third.example.jp，shop.example.jp"_s, u"maxbytes=250000"_s});
    const check::CheckSettings settings = check::readCheckSettings(app.path(u"ini/setting.ini"_s));
    EXPECT_EQ(settings.otherShopHosts,
              QStringList({u"shop.example.jp"_s, u"other.example.com"_s, u"third.example.jp"_s}));
    EXPECT_EQ(settings.maxPageBytes, 250000);
}

TEST(CheckSettings, AddsToTheBuiltInHostsAndIgnoresABadLimit) {
    TempAppFolder app;
    app.writeLines(u"ini/setting.ini"_s,
                   {u"[check]"_s, u"shop1=my.example.jp"_s, u"maxbytes=300KB"_s});
    const check::CheckSettings settings = check::readCheckSettings(app.path(u"ini/setting.ini"_s));
    EXPECT_EQ(settings.otherShopHosts, check::defaultOtherShopHosts() << u"my.example.jp"_s);
    EXPECT_EQ(settings.maxPageBytes, std::nullopt);
}

} // namespace
