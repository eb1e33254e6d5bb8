#include "browser_window.h"

#include "web/browser.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace web {

namespace {

const QString WindowTitle = QStringLiteral("ブラウザ");

QToolButton* pageActionButton(QWebEnginePage* page, QWebEnginePage::WebAction action,
                              const QString& text, const QString& objectName) {
    // The engine keeps the action enabled only while it can be used.
    QAction* pageAction = page->action(action);
    pageAction->setText(text);
    auto* button = new QToolButton;
    button->setDefaultAction(pageAction);
    button->setObjectName(objectName);
    button->setAccessibleName(text);
    return button;
}

} // namespace

BrowserPage::BrowserPage(QObject* parent)
    : QWebEnginePage(QWebEngineProfile::defaultProfile(), parent) {
    // The program's pages are local files whose links and forms lead to the auction
    // service and the seller's other pages; without this the engine refuses to follow them.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
    auto* window = new BrowserWindow;
    window->show();
    return window->page();
}

QUrl urlFromAddress(const QString& address) {
    // A page the program wrote is named by its full path, which may hold blanks, "#" or "%".
    if (QDir::isAbsolutePath(address))
        return QUrl::fromLocalFile(address);
    return QUrl::fromUserInput(address);
}

BrowserWindow::BrowserWindow() : m_view(new QWebEngineView), m_address(new QLineEdit) {
    setObjectName(QStringLiteral("BrowserWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(WindowTitle);
    resize(1024, 768);

    auto* page = new BrowserPage(m_view);
    m_view->setPage(page);
    m_view->setObjectName(QStringLiteral("BrowserView"));
    m_view->setAccessibleName(QStringLiteral("ページ"));
    m_address->setObjectName(QStringLiteral("BrowserAddress"));
    m_address->setAccessibleName(QStringLiteral("アドレス"));

    auto* controls = new QHBoxLayout;
    controls->addWidget(pageActionButton(page, QWebEnginePage::Back, QStringLiteral("戻る"),
                                         QStringLiteral("BrowserBack")));
    controls->addWidget(pageActionButton(page, QWebEnginePage::Forward, QStringLiteral("進む"),
                                         QStringLiteral("BrowserForward")));
    controls->addWidget(pageActionButton(page, QWebEnginePage::Reload, QStringLiteral("再読み込み"),
                                         QStringLiteral("BrowserReload")));
    controls->addWidget(m_address, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls);
    layout->addWidget(m_view, 1);
    // The seller reads and scrolls the page first.
    setFocusProxy(m_view);
    m_view->setFocus();

    connect(m_address, &QLineEdit::returnPressed, this, [this] {
        const QUrl url = urlFromAddress(m_address->text().trimmed());
        if (url.isValid())
            navigate(url);
    });
    connect(page, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        m_address->setText(url.toDisplayString(QUrl::PreferLocalFile));
    });
    connect(page, &QWebEnginePage::titleChanged, this, &BrowserWindow::updateTitle);
    connect(page, &QWebEnginePage::loadStarted, this, &BrowserWindow::onLoadStarted);
    connect(page, &QWebEnginePage::loadFinished, this, &BrowserWindow::onLoadFinished);
}

QWebEnginePage* BrowserWindow::page() const {
    return m_view->page();
}

void BrowserWindow::navigate(const QUrl& url) {
    expectLoad();
    m_view->load(url);
}

void BrowserWindow::expectLoad() {
    m_expectingStart = true;
}

void BrowserWindow::cancelExpectedLoad() {
    m_expectingStart = false;
}

int BrowserWindow::readyState() const {
    if (busy())
        return ReadyState::Loading;
    return m_loadedOnce ? ReadyState::Complete : ReadyState::Uninitialized;
}

void BrowserWindow::onLoadStarted() {
    m_expectingStart = false;
    m_engineLoading = true;
}

void BrowserWindow::onLoadFinished() {
    m_engineLoading = false;
    m_loadedOnce = true;
    if (!busy())
        emit loadSettled();
}

void BrowserWindow::updateTitle() {
    const QString title = page()->title();
    setWindowTitle(title.isEmpty() ? WindowTitle : title + QStringLiteral(" - ") + WindowTitle);
}

} // namespace web
