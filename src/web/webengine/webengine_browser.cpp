#include "webengine_browser.h"

#include "platform/error.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTimer>
#include <QWebEngineScript>
#include <memory>

namespace web {

namespace {

[[noreturn]] void throwObjectNotSet() {
    throw platform::Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
}

// The document scripts run in a world of their own, so the page's scripts cannot replace
// what they use; a form's named fields can still hide its properties ("submit",
// "elements"), hence the calls through the prototype.
const QString FormLookup = QStringLiteral(
    "var form = document.forms[a[0]];"
    "if (!form) return null;"
    "var elements = Object.getOwnPropertyDescriptor(HTMLFormElement.prototype, 'elements')"
    "    .get.call(form);");

} // namespace

WebEngineBrowser::WebEngineBrowser(BrowserKind kind) : m_window(new BrowserWindow(kind)) {}

WebEngineBrowser::~WebEngineBrowser() {
    // A window still hidden now could never be shown or closed by anyone.
    if (m_window && !m_window->isVisible())
        m_window->deleteLater();
}

BrowserWindow& WebEngineBrowser::window() const {
    if (!m_window)
        throwObjectNotSet();
    return *m_window;
}

void WebEngineBrowser::navigate(const QString& address) {
    const QUrl url = urlFromAddress(address);
    // An empty address would start no load, and a wait for it would never end.
    if (!url.isValid() || url.isEmpty())
        throwObjectNotSet();
    window().navigate(url);
    m_navigated = true;
}

void WebEngineBrowser::setVisible(bool visible) {
    BrowserWindow& shown = window();
    shown.setVisible(visible);
    if (visible) {
        shown.raise();
        shown.activateWindow();
    }
}

bool WebEngineBrowser::isVisible() const {
    return window().isVisible();
}

int WebEngineBrowser::readyState() const {
    return window().readyState();
}

bool WebEngineBrowser::busy() const {
    return window().busy();
}

QString WebEngineBrowser::address() const {
    return m_navigated ? window().page()->url().toString(QUrl::FullyEncoded) : QString();
}

bool WebEngineBrowser::waitForPage(std::optional<std::chrono::milliseconds> limit) {
    if (!window().busy())
        return true;
    QEventLoop loop;
    QObject::connect(m_window, &BrowserWindow::loadSettled, &loop, &QEventLoop::quit);
    QObject::connect(m_window, &QObject::destroyed, &loop, &QEventLoop::quit);
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (limit)
        timer.start(*limit);
    // Every way out of the loop is final: the load finished, the window went, the time
    // passed, or the program is ending.
    loop.exec();
    return !window().busy();
}

QVariant WebEngineBrowser::evaluate(const QString& body, const QVariantList& args) {
    BrowserWindow& target = window();
    if (!m_navigated)
        throwObjectNotSet();
    const QString script =
        QStringLiteral("(function (a) {") + body + QStringLiteral("})(") +
        QString::fromUtf8(
            QJsonDocument(QJsonArray::fromVariantList(args)).toJson(QJsonDocument::Compact)) +
        QStringLiteral(")");

    // Shared with the callback, which may come after this call has given up on it.
    struct Outcome {
        bool done = false;
        QVariant value;
    };
    auto outcome = std::make_shared<Outcome>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    QObject::connect(m_window, &QObject::destroyed, &loop, &QEventLoop::quit);
    target.page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                 [outcome, waiting](const QVariant& value) {
                                     outcome->done = true;
                                     outcome->value = value;
                                     if (waiting)
                                         waiting->quit();
                                 });
    if (!outcome->done)
        loop.exec();
    if (!outcome->done || !outcome->value.isValid())
        throwObjectNotSet();
    return outcome->value;
}

QStringList WebEngineBrowser::formElementNames(int form) {
    return evaluate(FormLookup +
                        QStringLiteral("return Array.prototype.map.call(elements, function (e) {"
                                       "    return e.name || '';"
                                       "});"),
                    {form})
        .toStringList();
}

QString WebEngineBrowser::fieldValue(int form, const QString& name) {
    return evaluate(FormLookup + QStringLiteral("var field = elements.namedItem(a[1]);"
                                                "return field ? String(field.value) : null;"),
                    {form, name})
        .toString();
}

void WebEngineBrowser::setFieldValue(int form, const QString& name, const QString& value) {
    evaluate(FormLookup + QStringLiteral("var field = elements.namedItem(a[1]);"
                                         "if (!field) return null;"
                                         "field.value = a[2];"
                                         "return true;"),
             {form, name, value});
}

void WebEngineBrowser::submitForm(int form) {
    // The page the form leads to loads from here on, and a wait now waits for it. The
    // engine may report that load before the script's result, hence before the script.
    window().expectLoad();
    try {
        evaluate(FormLookup + QStringLiteral("HTMLFormElement.prototype.submit.call(form);"
                                             "return true;"),
                 {form});
    } catch (const platform::Error&) {
        if (m_window)
            m_window->cancelExpectedLoad();
        throw;
    }
}

QList<Link> WebEngineBrowser::links() {
    const QVariantList found =
        evaluate(QStringLiteral("return Array.prototype.map.call(document.links, function (l) {"
                                "    return [l.href, l.innerText];"
                                "});"),
                 {})
            .toList();
    QList<Link> links;
    links.reserve(found.size());
    for (const QVariant& link : found) {
        const QStringList parts = link.toStringList();
        links.append({parts.value(0), parts.value(1)});
    }
    return links;
}

void WebEngineBrowser::showFindings(const QList<check::Finding>& findings) {
    window().showFindings(findings);
}

} // namespace web
