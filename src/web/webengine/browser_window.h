#pragma once

#include "check/page_check.h"
#include "web/browser.h"

#include <QPointer>
#include <QWebEnginePage>
#include <QWidget>

class QAction;
class QLineEdit;
class QSplitter;
class QToolButton;
class QWebEngineView;

namespace web {

class FindingsList;

// The profile of each kind. The Page profile is made on first use.
QWebEngineProfile* profileFor(BrowserKind kind);
// Deletes the Page profile; its pages must be gone already, and the engine still running.
void releasePageProfile();

// A page in the profile of its kind. The pages it is asked to open in a window of their own
// (target="_blank", window.open) open in a new browser window, shown. On a Page, a web link
// the seller follows opens in a Service window instead, where the seller is signed in.
class BrowserPage : public QWebEnginePage {
public:
    BrowserPage(BrowserKind kind, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    BrowserKind m_kind;
};

// The address a caller gives as a web address or as the full path of a local file.
QUrl urlFromAddress(const QString& address);
// http or https: the addresses that belong in a Service window.
bool isWebAddress(const QUrl& url);
// A new browser window of that kind, shown, loading `url`.
void openInNewWindow(BrowserKind kind, const QUrl& url);

// A top-level browser window: navigation controls over the page, a phone-width view of the
// same page beside it on demand, and the page check's findings when there are any to show.
// It deletes itself when the seller closes it, and it keeps the ready state that page waits
// read.
class BrowserWindow : public QWidget {
    Q_OBJECT
public:
    explicit BrowserWindow(BrowserKind kind);

    QWebEnginePage* page() const;
    void navigate(const QUrl& url);
    // A load is about to start (a navigation or a form submit): from now until it has
    // finished the window is busy, even before the engine reports that the load started.
    void expectLoad();
    // The load expected will not come after all (its form could not be submitted).
    void cancelExpectedLoad();
    int readyState() const;
    bool busy() const { return m_expectingStart || m_engineLoading; }
    // The findings of the page navigated to last, shown beside it while it is the page shown.
    void showFindings(const QList<check::Finding>& findings);
    // The page again at a phone's width (375 px) beside the PC view, or not.
    void setPhoneViewShown(bool shown);

signals:
    // The latest load has finished, successfully or not.
    void loadSettled();

private:
    void onLoadStarted();
    void onLoadFinished();
    void updateTitle();
    void scrollToFinding(int index);

    BrowserKind m_kind;
    QWebEngineView* m_view;
    QLineEdit* m_address;
    QSplitter* m_panes;
    QAction* m_phoneAction;
    QWidget* m_phonePane = nullptr; // made when first shown: it costs a second renderer
    QWebEngineView* m_phoneView = nullptr;
    FindingsList* m_findings = nullptr;
    QUrl m_navigatedUrl; // without its fragment, like m_findingsUrl
    QUrl m_findingsUrl;
    // A load was asked for and the engine has not reported its start yet: a finish seen
    // meanwhile belongs to the load before it.
    bool m_expectingStart = false;
    bool m_engineLoading = false;
    bool m_loadedOnce = false;
};

} // namespace web
