#include "content/auction_id.h"
#include "content/first_run_tables.h"
#include "content/page_inputs.h"
#include "content/web_addresses.h"
#include "core/workspace.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using core::Workspace;

class PageInputs : public testing::Test {
protected:
    PageInputs() {
        QDir().mkpath(m_app.path(u"ini"_s));
        QDir().mkpath(m_app.path(Workspace::TextFolder.toString()));
        m_app.writeLines(Workspace::RegionListFile.toString(), content::firstRunRegionLines());
        m_app.writeLines(Workspace::LinkInfoFile.toString(), content::firstRunLinkInfoLines());
        m_app.writeLines(Workspace::ShippingRatesFile.toString(),
                         content::firstRunShippingRateLines());
        m_form.loadTables();
    }

    TempAppFolder m_app;
    ScriptedPrompter m_prompter;
    content::ListingFormController m_form{{m_app.path()}, m_prompter};
};

// Only the region chosen now names its carriers; a position off the list names none.
TEST_F(PageInputs, TheRegionIsTheOneChosenNow) {
    for (const auto& [position, expected] : {std::pair{0, u"北海道"_s}, std::pair{46, u"沖縄県"_s},
                                             std::pair{47, QString()}, std::pair{-1, QString()}}) {
        core::ListingRecord record;
        record.Combo都道府県.position = position;
        m_form.held().regionPosition = 12;
        EXPECT_EQ(content::pageInputs(m_form, record, u"out.html"_s).regionName, expected)
            << position;
    }
    EXPECT_TRUE(m_prompter.texts.isEmpty()) << m_prompter.texts.join(u'\n').toStdString();
}

TEST_F(PageInputs, TheHeldTemplateIsLookedForInTheTemplateFolder) {
    m_form.held().templateName = u"mine.tmpl"_s;
    const page::PageInputs inputs = content::pageInputs(m_form, {}, u"out.html"_s);
    EXPECT_EQ(inputs.templatePath, m_app.path(u"template/mine.tmpl"_s));
    EXPECT_EQ(inputs.outputPath, u"out.html"_s);
    EXPECT_EQ(inputs.linkTable, m_form.linkTable());

    m_form.held().templateName = u"../mine.tmpl"_s;
    EXPECT_EQ(content::pageInputs(m_form, {}, u"out.html"_s).templatePath, std::nullopt);
}

// A held style that is no number goes to assembly as out of range, so assembly replaces it;
// the replacement is then held.
TEST(HeldPageStyle, ANonNumberGoesOutOfRangeAndTheReplacementIsHeld) {
    core::HeldSelections held;
    held.displayWidthPosition = u"2"_s;
    held.titleStyle = u"x"_s;
    held.titleSize = u""_s;
    held.headingStyle = u"1"_s;
    page::PageStyle style = content::heldPageStyle(held);
    EXPECT_EQ(style.width, 2);
    EXPECT_EQ(style.titleStyle, -1);
    EXPECT_EQ(style.titleSize, -1);
    EXPECT_EQ(style.headingStyle, 1);

    style.titleStyle = 0;
    style.titleSize = 1;
    content::holdPageStyle(held, style);
    EXPECT_EQ(held.titleStyle, u"0"_s);
    EXPECT_EQ(held.titleSize, u"1"_s);
    EXPECT_EQ(content::heldPageStyle(held), style);
}

TEST(HomePageAddress, IndexHtmlInTheHomeFolderWithOrWithoutItsSlash) {
    EXPECT_EQ(content::homePageAddress(u"https://example.org/tomoe/"_s),
              u"https://example.org/tomoe/index.html"_s);
    EXPECT_EQ(content::homePageAddress(u"https://example.org/tomoe"_s),
              u"https://example.org/tomoe/index.html"_s);
}

// The ID the account field stores is the one the page and the login read back.
TEST(AuctionId, StoredInTheBasicProfile) {
    TempAppFolder app;
    QDir().mkpath(app.path(u"ini"_s));
    const profile::Profiles profiles(app.path());
    EXPECT_EQ(content::readAuctionId(profiles), QString());
    content::storeAuctionId(profiles, u"seller_1"_s);
    EXPECT_EQ(content::readAuctionId(profiles), u"seller_1"_s);
    EXPECT_EQ(profiles.ReadBasicIni(u"yahoo"_s, u"id"_s, false), u"seller_1"_s);
}

} // namespace
