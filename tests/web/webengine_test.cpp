// The real web engine under the offscreen platform: a local page and a loopback server.
#include "accessible_names.h"
#include "platform/error.h"
#include "temp_app_folder.h"
#include "web/webengine_loader.h"

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace web {
void PrintTo(const Link& link, std::ostream* os) {
    *os << link.href.toStdString() << " \"" << link.innerText.toStdString() << '"';
}
} // namespace web

namespace {

// Keeps the request lines and answers each with a page of one link, except /never, and
// /form, which gets formPage as it is.
class LoopbackServer : public QTcpServer {
public:
    LoopbackServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray head = socket->readAll();
                const QByteArray line = head.left(head.indexOf("\r\n"));
                // The engine asks for the site's icon on its own, at a time of its choosing.
                if (!line.startsWith("GET /favicon.ico "))
                    requests << QString::fromUtf8(line);
                if (line.contains("/never"))
                    return;
                if (line.startsWith("GET /form "))
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n"
                                  "Connection: close\r\n\r\n" +
                                  formPage);
                else
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                                  "Connection: close\r\n\r\n<a href=\"/done\">受け付けました</a>");
                socket->disconnectFromHost();
            });
        });
    }
    QString address(const char* path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }
    QStringList requests;
    QByteArray formPage;
};

void expectObjectNotSet(const std::function<void()>& operation, const char* what) {
    try {
        operation();
        ADD_FAILURE() << what << ": no error";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), platform::ErrorNumber::ObjectNotSet) << what;
    }
}

QList<QWidget*> browserWindows() {
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == u"BrowserWindow")
            windows << window;
    return windows;
}

QWidget* shownBrowserWindow() {
    for (QWidget* window : browserWindows())
        if (window->isVisible())
            return window;
    return nullptr;
}

// The engine starts once for all tests: it takes seconds.
class WebEngineBrowser : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_loader = new web::WebEngineLoader;
        s_server = new LoopbackServer;
    }
    static void TearDownTestSuite() {
        delete s_server;
        delete s_loader;
    }

    // A page as the program writes its previews: CP932, in a folder whose name has a blank.
    QString writePage() {
        const QString name = QStringLiteral("出品 データ/preview.html");
        m_folder.writeLines(
            name,
            {u"<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
             u"charset=Shift_JIS\"><title>出品プレビュー</title></head><body>"_qs,
             QStringLiteral("<form action=\"%1\">").arg(s_server->address("/login")),
             u"<input name=\"login\"><input type=\"password\" name=\"passwd\" value=\"初期値\">"_qs,
             // A field named "submit" hides the form's own submit().
             u"<input type=\"hidden\" name=\"submit\" value=\"x\"><input type=\"submit\"></form>"_qs,
             u"<form><input name=\"q\" value=\"２つ目\"></form>"_qs,
             u"<a href=\"after/other.html\">新品の出品 5点</a>"_qs,
             QStringLiteral("<a href=\"%1\">状況</a></body></html>").arg(s_server->address("/s"))});
        return m_folder.path(name);
    }

    // The document operations run in the program's own script world: they work on a Page,
    // whose own scripts are off, as on the service's pages.
    // The service's pages come from the web: a local page may not lead there.
    std::unique_ptr<web::Browser> loadedBrowser(web::BrowserKind kind = web::BrowserKind::Page) {
        auto browser = s_loader->createBrowser(kind);
        const QString page = writePage();
        if (kind == web::BrowserKind::Service) {
            QFile file(page);
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            s_server->formPage = file.readAll();
            browser->navigate(s_server->address("/form"));
        } else {
            browser->navigate(page);
        }
        // Busy at once, before the engine reports the load: a wait started now must wait.
        EXPECT_TRUE(browser->busy());
        EXPECT_TRUE(browser->waitForPage());
        EXPECT_EQ(browser->readyState(), web::ReadyState::Complete);
        return browser;
    }

    static inline web::WebEngineLoader* s_loader = nullptr;
    static inline LoopbackServer* s_server = nullptr;
    TempAppFolder m_folder;
};

TEST_F(WebEngineBrowser, ReadsTheLoadedPage) {
    auto browser = s_loader->createBrowser(web::BrowserKind::Page);
    EXPECT_FALSE(browser->isVisible());
    expectObjectNotSet([&] { browser->links(); }, "links before any page");
    browser = loadedBrowser();

    const QString other = m_folder.path(QStringLiteral("出品 データ/after/other.html"));
    EXPECT_EQ(browser->links(),
              (QList<web::Link>{
                  {QUrl::fromLocalFile(other).toString(QUrl::FullyEncoded), u"新品の出品 5点"_qs},
                  {s_server->address("/s"), u"状況"_qs}}));
    EXPECT_EQ(browser->formElementNames(0),
              (QStringList{u"login"_qs, u"passwd"_qs, u"submit"_qs, QString()}));
    EXPECT_EQ(browser->fieldValue(0, u"passwd"_qs), u"初期値"_qs);
    EXPECT_EQ(browser->fieldValue(1, u"q"_qs), u"２つ目"_qs);

    expectObjectNotSet([&] { browser->formElementNames(2); }, "a third form");
    expectObjectNotSet([&] { browser->fieldValue(0, u"q"_qs); }, "a field of another form");
    expectObjectNotSet([&] { browser->setFieldValue(-1, u"login"_qs, u"x"_qs); }, "form -1");
    expectObjectNotSet([&] { browser->submitForm(2); }, "submitting a third form");
    EXPECT_FALSE(browser->busy()) << "a failed submit leaves nothing to wait for";
}

TEST_F(WebEngineBrowser, SubmitsTheValuesSetAndWaitsForTheNextPage) {
    auto browser = loadedBrowser(web::BrowserKind::Service);
    browser->setFieldValue(0, u"login"_qs, u"seller id"_qs);
    browser->setFieldValue(0, u"passwd"_qs, u"パス"_qs);
    s_server->requests.clear();
    browser->submitForm(0);
    EXPECT_TRUE(browser->waitForPage());

    // The page's own encoding: パス in CP932.
    EXPECT_EQ(s_server->requests.value(0),
              u"GET /login?login=seller+id&passwd=%83p%83X&submit=x HTTP/1.1"_qs);
    EXPECT_EQ(browser->links(),
              (QList<web::Link>{{s_server->address("/done"), u"受け付けました"_qs}}));

    browser->navigate(s_server->address("/never"));
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    EXPECT_FALSE(browser->waitForPage(std::chrono::milliseconds(300)));
    EXPECT_TRUE(handled) << "the seller's events go on while a page loads";
    EXPECT_EQ(browser->readyState(), web::ReadyState::Loading);
}

TEST_F(WebEngineBrowser, WindowStaysWithTheSellerUntilClosed) {
    auto browser = loadedBrowser();
    ASSERT_EQ(shownBrowserWindow(), nullptr) << "a new browser is hidden";
    browser->setVisible(true);
    QPointer<QWidget> window = shownBrowserWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), u"出品プレビュー - ブラウザ"_qs);
    expectAccessibleNamesComplete(window);

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull()) << "a closed browser window is deleted";
    expectObjectNotSet([&] { browser->links(); }, "links of a closed window");
    expectObjectNotSet([&] { browser->waitForPage(); }, "waiting on a closed window");

    // Released while shown, the window stays; released while hidden, nobody could ever
    // reach it again, so it goes.
    browser = loadedBrowser();
    browser->setVisible(true);
    browser = loadedBrowser();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    browser.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(browserWindows(), QList<QWidget*>{shownBrowserWindow()});
    delete shownBrowserWindow();
}

} // namespace
