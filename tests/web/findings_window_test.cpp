// The page check's findings beside a page and the phone-width view, with the real engine. The
// findings are found and scrolled to by the program's own scripts while the page's are off.
#include "accessible_names.h"
#include "check/page_file_check.h"
#include "temp_app_folder.h"
#include "web/webengine_loader.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

bool waitUntil(const std::function<bool()>& condition, int milliseconds = 20000) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(20);
    return condition();
}

// The page's own scripts are off: the engine's view tells where the page is scrolled to.
QWebEngineView* view(QWidget* in, const char* name) {
    return in->findChild<QWebEngineView*>(QString::fromLatin1(name));
}

int scrolledTo(QWidget* in, const char* name) {
    QWebEngineView* found = view(in, name);
    return found ? qRound(found->page()->scrollPosition().y()) : -1;
}

QStringList entries(QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text().section(u'\n', 0, 0);
    return texts;
}

void clickEntry(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

class PageFindings : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_loader = new web::WebEngineLoader; }
    static void TearDownTestSuite() { delete s_loader; }

    // An http image at the top, a phone number far below it, and a script that would scroll
    // the page away if it ran. Many lines follow the phone number, so that a scroll by its
    // share of the lines would stop far from it.
    QString writePage() {
        const QString page = uR"(<html><head><meta charset="Shift_JIS"><title>プレビュー</title>
<body style="margin:0"><img src="http://img.example.jp/a.jpg" width="40" height="40">
<div style="height:3000px">商品説明</div>
<p>お急ぎの方は 090-1234-5678 まで</p><div style="height:3000px"></div>%1
<script>setInterval(function () { scrollTo(0, 1000); }, 10);</script>
</body></html>)"_s;
        m_folder.writeLines(u"template/preview.html"_s,
                            page.arg(QString(u"\n<br>"_s).repeated(40)).split(u'\n'));
        return m_folder.path(u"template/preview.html"_s);
    }

    QList<check::Finding> findingsOf(const QString& page) {
        return check::checkPageFile(core::Workspace{m_folder.path()}, page).value();
    }

    // The preview as the program opens it; the window, once the page has loaded.
    QWidget* preview(bool withFindings) {
        const QString page = writePage();
        m_browser = s_loader->createBrowser(web::BrowserKind::Page);
        m_browser->navigate(page);
        if (withFindings)
            m_browser->showFindings(findingsOf(page));
        m_browser->setVisible(true);
        EXPECT_TRUE(m_browser->waitForPage());
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == u"BrowserWindow" && window->isVisible())
                return window;
        return nullptr;
    }

    static inline web::WebEngineLoader* s_loader = nullptr;
    TempAppFolder m_folder;
    std::unique_ptr<web::Browser> m_browser;
};

TEST_F(PageFindings, PreviewListsTheFindingsAndScrollsToTheOnePicked) {
    QWidget* window = preview(true);
    ASSERT_NE(window, nullptr);
    auto* list = window->findChild<QListWidget*>(u"FindingsList"_s);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(entries(list),
              (QStringList{u"警告　2行目　src=\"http://img.example.jp/a.jpg\""_s,
                           u"警告　4行目　090-1234-5678"_s, u"エラー　45行目　<script>"_s}));
    expectAccessibleNamesComplete(window);
    QTest::qWait(200);
    ASSERT_EQ(scrolledTo(window, "BrowserView"), 0) << "the page's own script ran";

    // Enter on the phone number brings the text, 3000 px down, into view.
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return scrolledTo(window, "BrowserView") > 2000; }))
        << scrolledTo(window, "BrowserView");
    // A click on the image's address goes back to the top.
    clickEntry(list, 0);
    EXPECT_TRUE(waitUntil([&] { return scrolledTo(window, "BrowserView") < 100; }))
        << scrolledTo(window, "BrowserView");

    // An empty list says so, and choosing that line goes nowhere.
    m_browser->showFindings({});
    EXPECT_EQ(entries(list), QStringList{u"問題は見つかりませんでした。"_s});
    clickEntry(list, 0);
    QTest::keyClick(list, Qt::Key_Return);

    // Findings belong to their page: another page in the same window shows none.
    m_folder.writeLines(u"other.html"_s, {u"<p>別のページ</p>"_s});
    m_browser->navigate(m_folder.path(u"other.html"_s));
    ASSERT_TRUE(m_browser->waitForPage());
    EXPECT_FALSE(list->isVisible());
    delete window;
}

TEST_F(PageFindings, PhoneViewShowsThePageAtAPhonesWidthBesideThePcView) {
    QWidget* window = preview(false);
    ASSERT_NE(window, nullptr);
    auto* toggle = window->findChild<QAbstractButton*>(u"BrowserPhoneButton"_s);
    ASSERT_NE(toggle, nullptr);
    EXPECT_EQ(window->findChild<QWidget*>(u"BrowserPhoneView"_s), nullptr)
        << "the second view is made only when asked for";

    // By keyboard: Ctrl+M anywhere in the window.
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_M, Qt::ControlModifier);
    QWebEngineView* phone = view(window, "BrowserPhoneView");
    ASSERT_NE(phone, nullptr);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(waitUntil([&] { return phone->title() == u"プレビュー"; }))
        << phone->title().toStdString();
    EXPECT_EQ(phone->width(), 375);
    EXPECT_GT(view(window, "BrowserView")->width(), 375) << "the PC view stays beside it";
    expectAccessibleNamesComplete(window);

    if (const QString folder = qEnvironmentVariable("TOMOEA_SCREENSHOT_DIR"); !folder.isEmpty()) {
        m_browser->showFindings(findingsOf(m_folder.path(u"template/preview.html"_s)));
        QTest::qWait(1500);
        window->screen()->grabWindow(0).save(QDir(folder).filePath(u"preview_window.png"_s));
    }

    QTest::mouseClick(toggle, Qt::LeftButton);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_FALSE(phone->isVisible());
    delete window;
}

TEST_F(PageFindings, PageViewInsideADialogListsFindingsBesideThePage) {
    const QString page = writePage();
    QDialog dialog;
    auto* close = new QPushButton(u"閉じる"_s, &dialog);
    close->setDefault(true);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    web::PageView* pageView = s_loader->createPageView(&dialog);
    pageView->resize(900, 600);
    pageView->showFile(page);
    pageView->showFindings(findingsOf(page));
    dialog.show();
    auto* list = pageView->findChild<QListWidget*>(u"FindingsList"_s);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 3);
    ASSERT_TRUE(waitUntil(
        [&] { return pageView->findChild<QWebEngineView*>()->title() == u"プレビュー"; }));
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Enter);
    EXPECT_TRUE(waitUntil([&] { return scrolledTo(pageView, "PageViewPage") > 2000; }))
        << scrolledTo(pageView, "PageViewPage");
    EXPECT_TRUE(dialog.isVisible()) << "Enter on a finding must not press the dialog's button";
}

} // namespace
