#include "automation.h"

#include "core/message_tags.h"
#include "platform/error.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <array>

namespace web {
namespace {

const QString kNewItemMarker = QStringLiteral("新品");

const QString kLoginElsewhere =
    QStringLiteral("ログインのページのアドレスが設定と違うため、パスワードを入力しませんでした。");

std::unique_ptr<Browser> createBrowser(BrowserFactory* browsers, BrowserKind kind) {
    if (!browsers)
        throw platform::Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
    return browsers->createBrowser(kind);
}

bool isWebAddress(const QUrl& url) {
    return url.scheme() == u"http" || url.scheme() == u"https";
}

// Scheme, host and port alike; a port left out is the scheme's own.
bool sameOrigin(const QUrl& a, const QUrl& b) {
    const auto port = [](const QUrl& url) {
        return url.port(url.scheme() == u"https" ? 443 : url.scheme() == u"http" ? 80 : -1);
    };
    return a.scheme() == b.scheme() && a.host() == b.host() && port(a) == port(b);
}

// Waits until the page asked for has loaded, handling the seller's events meanwhile. A load
// that fails settles too (the document operations then report that no page is there), so
// an address that leads nowhere never holds the program in the wait.
void WaitForPage(Browser& browser) {
    browser.waitForPage();
}

} // namespace

void waitHandlingEvents(std::chrono::milliseconds pause) {
    // A coarse timer may end up to 5 % early, and the pause is a lower bound: the clock,
    // not the timer, says when it is over.
    QElapsedTimer clock;
    clock.start();
    for (qint64 left = pause.count(); left > 0; left = pause.count() - clock.elapsed()) {
        QEventLoop loop;
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
        timer.start(std::chrono::milliseconds(left));
        loop.exec();
    }
}

namespace {

// The address of the link two places before the first one whose text holds the marker:
// on the store's result page that is the product the new-item offers belong to. Empty
// when no link holds the marker or it is among the first two.
QString newItemOfferAddress(const QList<Link>& links) {
    std::array<QString, 3> lastThree; // [0] two links back … [2] the link itself
    for (const Link& link : links) {
        lastThree = {lastThree[1], lastThree[2], link.href};
        if (link.innerText.contains(kNewItemMarker))
            return lastThree[0];
    }
    return QString();
}

} // namespace

void SearchProduct(BrowserFactory* browsers, const QString& storeAddress, const QString& word,
                   platform::Prompter& prompter, const AutomationPauses& pauses) {
    if (word.isEmpty()) {
        prompter.inform(QStringLiteral("検索文字(JANコードでもOK)を入力してください"));
        return;
    }
    try {
        std::unique_ptr<Browser> browser = createBrowser(browsers, BrowserKind::Service);
        browser->navigate(storeAddress);
        WaitForPage(*browser);
        browser->setFieldValue(0, QStringLiteral("field-keywords"), word);
        browser->submitForm(0);
        WaitForPage(*browser);
        waitHandlingEvents(pauses.searchSettle);
        // A marker among the first two links has no product link before it: the result
        // page is shown rather than an empty address.
        // The store's page chooses the address: only the web is followed, never a local file
        // or a script.
        const QString offers = newItemOfferAddress(browser->links());
        if (isWebAddress(QUrl(offers))) {
            browser->navigate(offers);
            WaitForPage(*browser);
        }
        browser->setVisible(true);
    } catch (const platform::Error& error) {
        prompter.inform(error.number() == platform::ErrorNumber::ObjectNotSet
                            ? QStringLiteral("接続できません (%1 91)").arg(core::tag::SearchProduct)
                            : error.report(core::tag::SearchProduct));
    }
}

void OpenMyPage(BrowserFactory* browsers, const QString& loginAddress, const QString& statusAddress,
                const QString& id, const QString& password, platform::Prompter& prompter,
                const AutomationPauses& pauses) {
    if (id.isEmpty() || password.isEmpty()) {
        prompter.inform(
            QStringLiteral("基本情報＆注意事項の画面でYahoo!ID,パスワードの登録をしてください。"));
        return;
    }
    try {
        std::unique_ptr<Browser> browser = createBrowser(browsers, BrowserKind::Service);
        browser->navigate(loginAddress);
        browser->setVisible(true);
        WaitForPage(*browser);
        // A login page that sent the browser elsewhere gets neither the ID nor the password.
        if (!sameOrigin(QUrl(browser->address()), QUrl::fromUserInput(loginAddress))) {
            prompter.inform(kLoginElsewhere);
            return;
        }
        const QString login = QStringLiteral("login");
        const QString passwd = QStringLiteral("passwd");
        for (const QString& name : browser->formElementNames(0)) {
            if (name == login) {
                browser->setFieldValue(0, login, id);
            } else if (name == passwd) {
                browser->setFieldValue(0, passwd, password);
                browser->submitForm(0);
                // The form is on its way: a field after the password belongs to a page that
                // is being left.
                break;
            }
        }
        WaitForPage(*browser);
        // The service finishes signing in after its answer; the status page asked for
        // sooner would show the signed-out page.
        QThread::msleep(static_cast<unsigned long>(pauses.afterLogin.count()));
        browser->navigate(statusAddress);
        browser->setVisible(true);
    } catch (const platform::Error& error) {
        prompter.inform(error.description() + QStringLiteral(" (") +
                        QString::number(error.number()) + QLatin1Char(')'));
    }
}

void OpenCarrierPage(BrowserFactory* browsers, const QString& page, QStringView tag,
                     platform::Prompter& prompter) {
    try {
        std::unique_ptr<Browser> browser = createBrowser(browsers, BrowserKind::Service);
        browser->navigate(page);
        browser->setVisible(true);
    } catch (const platform::Error& error) {
        prompter.inform(error.number() == platform::ErrorNumber::ObjectNotSet
                            ? QStringLiteral("処理が中断されました。 (%1 91)").arg(tag)
                            : error.report(tag));
    }
}

void OpenManual(BrowserFactory* browsers, const QString& manualAddress,
                platform::Prompter& prompter) {
    try {
        // The manual is the program's own page, wherever it is kept.
        std::unique_ptr<Browser> browser = createBrowser(browsers, BrowserKind::Page);
        browser->navigate(manualAddress);
        browser->setVisible(true);
    } catch (const platform::Error& error) {
        prompter.inform(error.report(core::tag::Manual));
    }
}

} // namespace web
