// The web engine module: everything that needs Qt WebEngine, loaded by WebEngineLoader on
// first use so the program starts without it.
#include "browser_window.h"
#include "web/findings_list.h"
#include "web/web_factory.h"
#include "webengine_browser.h"

#include <QApplication>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWebEngineScript>
#include <QWebEngineView>

// The engine's own set-up, which it runs when it is linked into a program; Qt's modules
// reach it through this same declaration.
namespace QtWebEngineCore {
extern void initialize();
}

namespace web {

namespace {

// A page the program wrote inside a window of the program, with the page check's findings
// beside it once there are any to show; a web link opens in a Service browser window.
class WebEnginePageView : public PageView {
public:
    explicit WebEnginePageView(QWidget* parent)
        : PageView(parent), m_view(new QWebEngineView), m_panes(new QSplitter) {
        m_view->setPage(new BrowserPage(BrowserKind::Page, m_view));
        m_view->setObjectName(QStringLiteral("PageViewPage"));
        m_view->setAccessibleName(QStringLiteral("ページ"));
        m_panes->setChildrenCollapsible(false);
        m_panes->addWidget(m_view);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_panes);
        setFocusProxy(m_view);
    }

    void showFile(const QString& path) override { m_view->load(QUrl::fromLocalFile(path)); }

    void showFindings(const QList<check::Finding>& findings) override {
        if (!m_findings) {
            m_findings = new FindingsList;
            m_findings->setMinimumWidth(180);
            m_panes->addWidget(m_findings);
            m_panes->setStretchFactor(0, 1);
            m_panes->setStretchFactor(1, 0);
            m_panes->setSizes({qMax(width() - 260, 240), 260});
            connect(m_findings, &FindingsList::findingActivated, this, [this](int index) {
                m_view->page()->runJavaScript(findingScrollScript(m_findings->findings(), index),
                                              QWebEngineScript::ApplicationWorld);
            });
        }
        m_findings->setFindings(findings);
    }

private:
    QWebEngineView* m_view;
    QSplitter* m_panes;
    FindingsList* m_findings = nullptr;
};

} // namespace

class WebEngineModule : public QObject, public WebFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TOMOEA_WEB_FACTORY_IID)
    Q_INTERFACES(web::WebFactory)

public:
    WebEngineModule() {
        // The engine needs an OpenGL context shared with its pages. Made by the application
        // (Qt::AA_ShareOpenGLContexts) it would cost every start an OpenGL set-up, so it
        // is made here, when the first page is about to be shown.
        QtWebEngineCore::initialize();
        // Pages must be gone before the engine shuts down with the application, and the
        // seller's browser windows have no owner that would delete them.
        connect(qApp, &QCoreApplication::aboutToQuit, this, [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            for (QWidget* window : windows)
                if (qobject_cast<BrowserWindow*>(window))
                    delete window;
            releasePageProfile();
        });
    }

    std::unique_ptr<Browser> createBrowser(BrowserKind kind) override {
        return std::make_unique<WebEngineBrowser>(kind);
    }

    PageView* createPageView(QWidget* parent) override { return new WebEnginePageView(parent); }
};

} // namespace web

#include "webengine_module.moc"
