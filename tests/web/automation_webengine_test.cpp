// The web actions with the real engine against a loopback server that plays the store and
// the auction service.
#include "scripted_prompter.h"
#include "web/automation.h"
#include "web/webengine_loader.h"

#include <QApplication>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Answers each path with its page and logs each request as "METHOD target body".
class LoopbackServer : public QTcpServer {
public:
    LoopbackServer() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                auto buffer = std::make_shared<QByteArray>();
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                    *buffer += socket->readAll();
                    answerWhenComplete(socket, *buffer);
                });
            }
        });
    }
    QString address(const QString& path) const {
        return u"http://127.0.0.1:%1%2"_s.arg(serverPort()).arg(path);
    }
    std::string log() const { return requests.join(u'\n').toStdString(); }
    QStringList requests;
    QHash<QString, QByteArray> pages;  // by path without the query
    QHash<QString, QString> redirects; // by path: where a 302 sends the browser

private:
    void answerWhenComplete(QTcpSocket* socket, const QByteArray& buffer) {
        const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            return;
        const QByteArray head = buffer.left(headEnd);
        qsizetype length = 0;
        for (const QByteArray& header : head.split('\n'))
            if (header.toLower().startsWith("content-length:"))
                length = header.mid(15).trimmed().toLongLong();
        if (buffer.size() < headEnd + 4 + length)
            return;
        const QList<QByteArray> words = head.left(head.indexOf("\r\n")).split(' ');
        const QString target = QString::fromUtf8(words.value(1));
        // The engine asks for an icon of its own accord.
        if (target != u"/favicon.ico")
            requests << (QString::fromUtf8(words.value(0)) + u' ' + target + u' ' +
                         QString::fromUtf8(buffer.mid(headEnd + 4, length)))
                            .trimmed();
        const QString path = target.section(u'?', 0, 0);
        const QByteArray page = pages.value(path, "<p>ok</p>");
        if (redirects.contains(path))
            socket->write("HTTP/1.1 302 Found\r\nLocation: " + redirects[path].toUtf8() +
                          "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        else
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                          "Connection: close\r\nContent-Length: " +
                          QByteArray::number(page.size()) + "\r\n\r\n" + page);
        socket->disconnectFromHost();
    }
};

class AutomationWithEngine : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_loader = new web::WebEngineLoader; }
    static void TearDownTestSuite() { delete s_loader; }
    void TearDown() override {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == u"BrowserWindow")
                delete window;
    }
    static QString shownAddress() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == u"BrowserWindow" && window->isVisible())
                if (auto* address = window->findChild<QLineEdit*>())
                    return address->text();
        return u"no browser shown"_s;
    }

    static inline web::WebEngineLoader* s_loader = nullptr;
    LoopbackServer m_server;
    ScriptedPrompter m_prompter;
};

TEST_F(AutomationWithEngine, SearchSendsTheWordAndFollowsTheProductOfTheNewItemLink) {
    m_server.pages[u"/"_s] = R"(<form action="/s"><input name="field-keywords"></form>)";
    // The offers' link comes from the page's script after the load, as on the real store:
    // only the settling pause lets the search see it.
    m_server.pages[u"/s"_s] = R"(<body><a href="/dp/7">品物</a> <a href="/review">レビュー</a>
        <script>setTimeout(function () {
            document.body.insertAdjacentHTML('beforeend', '<a href="/offers/7">新品の出品：2</a>');
        }, 100);</script></body>)";
    web::SearchProduct(s_loader, m_server.address(u"/"_s), u"JAN 4901"_s, m_prompter,
                       {std::chrono::milliseconds(1500), std::chrono::milliseconds(0)});

    EXPECT_TRUE(m_prompter.texts.isEmpty()) << m_prompter.texts.join(u'\n').toStdString();
    EXPECT_EQ(m_server.log(), "GET /\nGET /s?field-keywords=JAN+4901\nGET /dp/7");
    EXPECT_EQ(shownAddress(), m_server.address(u"/dp/7"_s));
}

TEST_F(AutomationWithEngine, LoginPostsIdAndPasswordThenAsksForTheStatusPage) {
    m_server.pages[u"/config/login"_s] =
        R"(<form method="post" action="/sent"><input name="login">
           <input type="password" name="passwd"></form>)";
    web::OpenMyPage(s_loader, m_server.address(u"/config/login?.src=auc"_s),
                    m_server.address(u"/jp/show/mystatus"_s), u"seller_1"_s, u"p&ss"_s, m_prompter,
                    {std::chrono::milliseconds(0), std::chrono::milliseconds(10)});
    EXPECT_TRUE(m_prompter.texts.isEmpty()) << m_prompter.texts.join(u'\n').toStdString();
    // The status page is asked for after the action has left the browser to the seller.
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_server.requests.size() >= 3; }, 5000));
    EXPECT_EQ(m_server.log(),
              "GET /config/login?.src=auc\nPOST /sent login=seller_1&passwd=p%26ss\n"
              "GET /jp/show/mystatus");
}

// Same scheme and host, another port: another server, which must not get the password.
TEST_F(AutomationWithEngine, ALoginPageOnAnotherPortGetsNothing) {
    LoopbackServer other;
    other.pages[u"/config/login"_s] =
        R"(<form method="post" action="/sent"><input name="login">
           <input type="password" name="passwd"></form>)";
    m_server.redirects[u"/config/login"_s] = other.address(u"/config/login"_s);
    web::OpenMyPage(s_loader, m_server.address(u"/config/login"_s),
                    m_server.address(u"/jp/show/mystatus"_s), u"seller_1"_s, u"secret"_s,
                    m_prompter, {std::chrono::milliseconds(0), std::chrono::milliseconds(0)});
    EXPECT_EQ(m_prompter.texts, QStringList{u"ログインのページのアドレスが設定と違うため、"
                                            u"パスワードを入力しませんでした。"_s});
    QTest::qWait(300);
    EXPECT_EQ(other.log(), "GET /config/login");
    EXPECT_EQ(m_server.log(), "GET /config/login");
}

TEST_F(AutomationWithEngine, AStoreThatDoesNotAnswerIsReportedAsNoConnection) {
    const QString address = m_server.address(u"/"_s);
    m_server.close();
    web::SearchProduct(s_loader, address, u"本"_s, m_prompter,
                       {std::chrono::milliseconds(0), std::chrono::milliseconds(0)});
    EXPECT_EQ(m_prompter.texts, QStringList{u"接続できません (CB8 91)"_s});
    EXPECT_EQ(shownAddress(), u"no browser shown"_s) << "the search's browser stays hidden";
}

// The manual is compiled into the program: the engine reaches it without any file.
TEST_F(AutomationWithEngine, ManualOpensFromTheProgramItself) {
    web::OpenManual(s_loader, u"qrc:/manual/index.html"_s, m_prompter);
    EXPECT_TRUE(m_prompter.texts.isEmpty());
    QWidget* shown = nullptr;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == u"BrowserWindow" && window->isVisible() &&
                    window->windowTitle().startsWith(u"Tomoe!オークション 使い方"))
                    shown = window;
            return shown != nullptr;
        },
        10000));
}

} // namespace
