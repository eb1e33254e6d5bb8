#include "browser_window.h"

#include "web/browser.h"
#include "web/findings_list.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace web {

namespace {

const QString WindowTitle = QStringLiteral("ブラウザ");
// The CSS width of a common phone screen.
constexpr int PhoneWidth = 375;

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

QWebEngineProfile* g_pageProfile = nullptr;

QWebEngineProfile* makePageProfile() {
    // No storage name: off the record, so nothing of a page outlives the program.
    auto* profile = new QWebEngineProfile;
    QWebEngineSettings* settings = profile->settings();
    // A template or a pasted description may hold anything; the program's own scripts run
    // in their own world and are not stopped by this.
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    // The page sits beside ini/ and data/: it must not read them nor hand them to the web.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                     [](QWebEngineDownloadRequest* download) { download->cancel(); });
    return profile;
}

// A page that only catches where a Page's new window was to go, and sends it on: a new
// window must be of its opener's profile, yet a web address belongs in a Service window.
class NewWindowCatcher : public QWebEnginePage {
public:
    // With its opener as parent, a window that never comes does not outlive it.
    explicit NewWindowCatcher(QObject* opener)
        : QWebEnginePage(profileFor(BrowserKind::Page), opener) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
        openInNewWindow(isWebAddress(url) ? BrowserKind::Service : BrowserKind::Page, url);
        deleteLater();
        return false;
    }
};

} // namespace

QWebEngineProfile* profileFor(BrowserKind kind) {
    if (kind == BrowserKind::Service)
        return QWebEngineProfile::defaultProfile();
    if (!g_pageProfile)
        g_pageProfile = makePageProfile();
    return g_pageProfile;
}

void releasePageProfile() {
    delete g_pageProfile;
    g_pageProfile = nullptr;
}

BrowserPage::BrowserPage(BrowserKind kind, QObject* parent)
    : QWebEnginePage(profileFor(kind), parent), m_kind(kind) {}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (m_kind == BrowserKind::Page && type == NavigationTypeLinkClicked && isWebAddress(url)) {
        openInNewWindow(BrowserKind::Service, url);
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEnginePage* BrowserPage::createWindow(WebWindowType) {
    if (m_kind == BrowserKind::Page)
        return new NewWindowCatcher(this);
    auto* window = new BrowserWindow(m_kind);
    window->show();
    return window->page();
}

QUrl urlFromAddress(const QString& address) {
    // A page the program wrote is named by its full path, which may hold blanks, "#" or "%".
    if (QDir::isAbsolutePath(address))
        return QUrl::fromLocalFile(address);
    return QUrl::fromUserInput(address);
}

bool isWebAddress(const QUrl& url) {
    return url.scheme() == u"http" || url.scheme() == u"https";
}

void openInNewWindow(BrowserKind kind, const QUrl& url) {
    auto* window = new BrowserWindow(kind);
    window->show();
    window->navigate(url);
}

BrowserWindow::BrowserWindow(BrowserKind kind)
    : m_kind(kind), m_view(new QWebEngineView), m_address(new QLineEdit), m_panes(new QSplitter),
      m_phoneAction(new QAction(QStringLiteral("スマホ幅"), this)) {
    setObjectName(QStringLiteral("BrowserWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(WindowTitle);
    resize(1024, 768);

    auto* page = new BrowserPage(kind, m_view);
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

    m_phoneAction->setCheckable(true);
    m_phoneAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    m_phoneAction->setToolTip(
        QStringLiteral("スマホの幅（375 px）で見たページを横に並べます (Ctrl+M)"));
    auto* phoneButton = new QToolButton;
    phoneButton->setDefaultAction(m_phoneAction);
    phoneButton->setObjectName(QStringLiteral("BrowserPhoneButton"));
    phoneButton->setAccessibleName(QStringLiteral("スマホ幅の表示"));
    phoneButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    controls->addWidget(phoneButton);
    connect(m_phoneAction, &QAction::toggled, this, &BrowserWindow::setPhoneViewShown);

    m_panes->setObjectName(QStringLiteral("BrowserPanes"));
    m_panes->setChildrenCollapsible(false);
    m_panes->addWidget(m_view);
    m_panes->setStretchFactor(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls);
    layout->addWidget(m_panes, 1);
    // The seller reads and scrolls the page first.
    setFocusProxy(m_view);
    m_view->setFocus();

    connect(m_address, &QLineEdit::returnPressed, this, [this] {
        const QUrl url = urlFromAddress(m_address->text().trimmed());
        if (!url.isValid())
            return;
        // Typed like a clicked link: the web is visited where the seller is signed in.
        if (m_kind == BrowserKind::Page && isWebAddress(url))
            openInNewWindow(BrowserKind::Service, url);
        else
            navigate(url);
    });
    connect(page, &QWebEnginePage::urlChanged, this, [this](const QUrl& url) {
        m_address->setText(url.toDisplayString(QUrl::PreferLocalFile));
        // The phone view shows the page the PC view shows.
        if (m_phoneView && !m_phonePane->isHidden())
            m_phoneView->load(url);
        // The findings are those of one page; another page has none to show.
        if (m_findings)
            m_findings->setVisible(url.adjusted(QUrl::RemoveFragment) == m_findingsUrl);
    });
    connect(page, &QWebEnginePage::titleChanged, this, &BrowserWindow::updateTitle);
    connect(page, &QWebEnginePage::loadStarted, this, &BrowserWindow::onLoadStarted);
    connect(page, &QWebEnginePage::loadFinished, this, &BrowserWindow::onLoadFinished);
}

QWebEnginePage* BrowserWindow::page() const {
    return m_view->page();
}

void BrowserWindow::navigate(const QUrl& url) {
    m_navigatedUrl = url.adjusted(QUrl::RemoveFragment);
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

void BrowserWindow::showFindings(const QList<check::Finding>& findings) {
    if (!m_findings) {
        m_findings = new FindingsList;
        m_findings->setMinimumWidth(200);
        m_panes->addWidget(m_findings);
        m_panes->setStretchFactor(m_panes->indexOf(m_findings), 0);
        m_panes->setSizes({qMax(width() - 300, 300), 280});
        connect(m_findings, &FindingsList::findingActivated, this, &BrowserWindow::scrollToFinding);
    }
    m_findings->setFindings(findings);
    m_findingsUrl = m_navigatedUrl;
    m_findings->show();
}

void BrowserWindow::setPhoneViewShown(bool shown) {
    if (m_phoneAction->isChecked() != shown)
        m_phoneAction->setChecked(shown); // comes back here through toggled
    if (!m_phonePane && !shown)
        return;
    if (!m_phonePane) {
        m_phoneView = new QWebEngineView;
        m_phoneView->setPage(new BrowserPage(m_kind, m_phoneView));
        m_phoneView->setObjectName(QStringLiteral("BrowserPhoneView"));
        m_phoneView->setAccessibleName(QStringLiteral("スマホ幅のページ"));
        m_phoneView->setFixedWidth(PhoneWidth);
        auto* caption = new QLabel(QStringLiteral("スマホ幅（375 px）"));
        m_phonePane = new QWidget;
        m_phonePane->setObjectName(QStringLiteral("BrowserPhonePane"));
        auto* layout = new QVBoxLayout(m_phonePane);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(caption);
        layout->addWidget(m_phoneView, 1);
        m_phonePane->hide(); // shown below, with the page loaded
        m_panes->insertWidget(1, m_phonePane);
        m_panes->setStretchFactor(1, 0);
    }
    if (shown == !m_phonePane->isHidden())
        return;
    // The PC view keeps its width: the window grows by the phone view as far as the screen
    // lets it, and gives the room back afterwards.
    const int room = m_phonePane->sizeHint().width() + m_panes->handleWidth();
    const int widest = screen() ? screen()->availableGeometry().width() : width() + room;
    m_phonePane->setVisible(shown);
    if (shown) {
        if (m_phoneView->url() != page()->url())
            m_phoneView->load(page()->url());
        resize(qMin(width() + room, widest), height());
    } else {
        resize(qMax(width() - room, 640), height());
    }
}

void BrowserWindow::scrollToFinding(int index) {
    const QString script = findingScrollScript(m_findings->findings(), index);
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
    if (m_phoneView && !m_phonePane->isHidden())
        m_phoneView->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void BrowserWindow::updateTitle() {
    const QString title = page()->title();
    setWindowTitle(title.isEmpty() ? WindowTitle : title + QStringLiteral(" - ") + WindowTitle);
}

} // namespace web
