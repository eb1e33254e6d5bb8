#include "check/page_file_check.h"
#include "temp_app_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// The [check] settings come from the application folder; a page that cannot be read gives no
// verdict, since an empty list would read as "nothing found" beside an error page.
TEST(PageFileCheck, ReadsTheFolderSettingsAndGivesNoVerdictWithoutAPage) {
    TempAppFolder app;
    const core::Workspace workspace{app.path()};
    const QString page = app.path(u"template/preview.html"_s);
    EXPECT_EQ(check::checkPageFile(workspace, page), std::nullopt);
    app.writeLines(u"template/preview.html"_s, {u"<p>未使用品です。</p>"_s});
    EXPECT_EQ(check::checkPageFile(workspace, page), QList<check::Finding>{});
    app.writeLines(u"ini/setting.ini"_s, {u"[check]"_s, u"maxbytes=10"_s});
    const auto findings = check::checkPageFile(workspace, page);
    ASSERT_EQ(findings.value_or(QList<check::Finding>{}).size(), 1);
    EXPECT_EQ(findings->at(0).kind, check::FindingKind::PageTooLarge);
}
