// The page check beside the preview and the listing guide: it advises, and the page opens
// all the same.
#include "page_actions_fixture.h"
#include "ui/syupin_dialog.h"

#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

class PageCheckActions : public PageActionsFixture {};
// A first-run workspace has no [check] section: the built-in template and the footer add
// nothing, so the description's phone number is all there is.
TEST_F(PageCheckActions, PreviewAndListShowTheFindingsOfTheirPage) {
    createWindow();
    showActive();
    setText(u"TextBoxタイトル"_s, u"腕時計"_s);
    child<QPlainTextEdit>(u"TextBox商品説明"_s)->setPlainText(u"お急ぎの方は 090-1234-5678 まで"_s);
    click(u"ButtonPreview"_s);
    ASSERT_EQ(m_browsers.browsers.size(), 1u);
    const FakeBrowserLog& preview = *m_browsers.browsers[0];
    EXPECT_TRUE(preview.visible);
    ASSERT_EQ(preview.findings.value_or(QList<check::Finding>{}).size(), 1);
    EXPECT_EQ(preview.findings->at(0).text, u"090-1234-5678"_s);

    std::optional<QList<check::Finding>> listed;
    whenModalOpens<ui::SyupinDialog>([&](ui::SyupinDialog* guide) {
        if (!m_browsers.pageViews.empty() && m_browsers.pageViews.front())
            listed = m_browsers.pageViews.front()->findings;
        QTest::mouseClick(guide->findChild<QAbstractButton*>(u"CancelButton"_s), Qt::LeftButton);
    });
    click(u"Command2"_s);
    EXPECT_EQ(listed, preview.findings) << "the guide's page is the same page";
    EXPECT_TRUE(m_prompter.texts.isEmpty()) << m_prompter.texts.join(u'|').toStdString();
}

} // namespace
