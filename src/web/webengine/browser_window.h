#pragma once

#include <QPointer>
#include <QWebEnginePage>
#include <QWidget>

class QLineEdit;
class QToolButton;
class QWebEngineView;

namespace web {

// A page that puts the pages it is asked to open in a window of their own (target="_blank",
// window.open) into a new browser window, shown.
class BrowserPage : public QWebEnginePage {
public:
    explicit BrowserPage(QObject* parent);

protected:
    QWebEnginePage* createWindow(WebWindowType type) override;
};

// The address a caller gives as a web address or as the full path of a local file.
QUrl urlFromAddress(const QString& address);

// A top-level browser window: navigation controls over the page. It deletes itself when
// the seller closes it, and it keeps the ready state that page waits read.
class BrowserWindow : public QWidget {
    Q_OBJECT
public:
    BrowserWindow();

    QWebEnginePage* page() const;
    void navigate(const QUrl& url);
    // A load is about to start (a navigation or a form submit): from now until it has
    // finished the window is busy, even before the engine reports that the load started.
    void expectLoad();
    // The load expected will not come after all (its form could not be submitted).
    void cancelExpectedLoad();
    int readyState() const;
    bool busy() const { return m_expectingStart || m_engineLoading; }

signals:
    // The latest load has finished, successfully or not.
    void loadSettled();

private:
    void onLoadStarted();
    void onLoadFinished();
    void updateTitle();

    QWebEngineView* m_view;
    QLineEdit* m_address;
    // A load was asked for and the engine has not reported its start yet: a finish seen
    // meanwhile belongs to the load before it.
    bool m_expectingStart = false;
    bool m_engineLoading = false;
    bool m_loadedOnce = false;
};

} // namespace web
