// The preview in the real web engine: the page the window writes loads, and what it links
// to and shows reads back through the browser's document operations.
#include "page_actions_fixture.h"
#include "web/webengine_loader.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace {

class PreviewInWebEngine : public PageActionsFixture {};

TEST_F(PreviewInWebEngine, TheWrittenPreviewLoadsWithItsLinks) {
    web::WebEngineLoader engine;
    m_form = std::make_unique<ui::Form1>(
        ui::Form1Services{m_folder.path(), &m_prompter, &m_dialogs, &m_clock, &engine});
    showActive();
    setText(u"TextBoxタイトル"_s, u"置き時計"_s);
    click(u"ButtonPreview"_s);
    EXPECT_TRUE(m_prompter.texts.isEmpty());

    auto browser = engine.createBrowser(web::BrowserKind::Page);
    browser->navigate(m_folder.path(u"template/preview.html"_s));
    ASSERT_TRUE(browser->waitForPage());
    const QList<web::Link> links = browser->links();
    ASSERT_FALSE(links.isEmpty());
    // The footer credit, in Japanese: the page's CP932 text was read as such.
    EXPECT_EQ(links.last().href, u"https://example.org/tomoe/"_s);
    EXPECT_EQ(links.last().innerText.trimmed(), u"ともえオークション"_s);
}

} // namespace
