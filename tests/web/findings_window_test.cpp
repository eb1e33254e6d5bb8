// The page check's findings beside a page and the phone-width view, with the real engine.
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
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

bool waitUntil(const std::function<bool()>& condition, int milliseconds = 20000) {
    QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(20);
    return condition();
}

// The page reports its width and scroll position in its title, which the engine's view
// carries as a property: the test needs no engine code of its own.
QString viewTitle(QWidget* in, const char* name) {
    QWidget* view = in->findChild<QWidget*>(QString::fromLatin1(name));
    return view ? view->property("title").toString() : QString();
}

int scrolledTo(QWidget* in, const char* name) {
    return viewTitle(in, name).section(u"y="_s, 1).toInt();
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

    // An http image at the top, a phone number far below it, and the page's own reporter.
    // Many lines follow the phone number, so that a scroll by its share of the lines would
    // stop far from it.
    QString writePage() {
        const QString page = uR"(<html><head><meta charset="Shift_JIS"><title>w=0 y=0</title>
<body style="margin:0"><img src="http://img.example.jp/a.jpg" width="40" height="40">
<div style="height:3000px">商品説明</div>
<p>お急ぎの方は 090-1234-5678 まで</p><div style="height:3000px"></div>%1
<script>function report() { document.title = 'w=' + innerWidth + ' y=' + Math.round(scrollY); }
addEventListener('scroll', report); addEventListener('resize', report); report();</script>
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
        m_browser = s_loader->createBrowser();
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
    ASSERT_TRUE(waitUntil([&] { return viewTitle(window, "BrowserView").startsWith(u"w="_s); }));
    ASSERT_EQ(scrolledTo(window, "BrowserView"), 0);

    // Enter on the phone number brings the text, 3000 px down, into view.
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(waitUntil([&] { return scrolledTo(window, "BrowserView") > 2000; }))
        << viewTitle(window, "BrowserView").toStdString();
    // A click on the image's address goes back to the top.
    clickEntry(list, 0);
    EXPECT_TRUE(waitUntil([&] { return scrolledTo(window, "BrowserView") < 100; }))
        << viewTitle(window, "BrowserView").toStdString();

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
    auto* phone = window->findChild<QWidget*>(u"BrowserPhoneView"_s);
    ASSERT_NE(phone, nullptr);
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_TRUE(waitUntil([&] { return viewTitle(window, "BrowserPhoneView") == u"w=375 y=0"; }))
        << viewTitle(window, "BrowserPhoneView").toStdString();
    EXPECT_GT(viewTitle(window, "BrowserView").section(u' ', 0, 0).mid(2).toInt(), 375)
        << "the PC view stays beside it";
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
    web::PageView* view = s_loader->createPageView(&dialog);
    view->resize(900, 600);
    view->showFile(page);
    view->showFindings(findingsOf(page));
    dialog.show();
    auto* list = view->findChild<QListWidget*>(u"FindingsList"_s);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 3);
    ASSERT_TRUE(waitUntil([&] { return viewTitle(view, "PageViewPage").startsWith(u"w="_s); }));
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Enter);
    EXPECT_TRUE(waitUntil([&] { return scrolledTo(view, "PageViewPage") > 2000; }))
        << viewTitle(view, "PageViewPage").toStdString();
    EXPECT_TRUE(dialog.isVisible()) << "Enter on a finding must not press the dialog's button";
}

} // namespace
