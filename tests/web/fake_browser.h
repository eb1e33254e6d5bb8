#pragma once

#include "web/web_factory.h"

#include <QHash>
#include <QPointer>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// A scripted stand-in for the web engine: pages are set up by address, and every browser
// made keeps a log of what was done to it that the test reads after the action released it.
// A navigation or a submit loads its page at the next waitForPage(); until then the
// document is the one before, as in a real browser.

struct FakeForm {
    QList<std::pair<QString, QString>> fields; // name and value, in document order
    QString action;                            // where a submit goes; empty stays put
};

struct FakePage {
    QList<FakeForm> forms;
    QList<web::Link> links;
    QString redirect; // where the server sends the browser instead; its page is this one
};

// What happened to one browser, in order: "navigate <address>", "visible true",
// "wait", "set <form> <name>=<value>", "submit <form>", "release".
struct FakeBrowserLog {
    web::BrowserKind kind = web::BrowserKind::Page;
    QStringList events;
    QString address; // the page loaded (after its redirect), empty before the first one
    bool visible = false;
    std::optional<QList<check::Finding>> findings; // the latest shown
};

// A page view that records the files and findings it was asked to show.
class FakePageView : public web::PageView {
public:
    using PageView::PageView;
    void showFile(const QString& path) override { shownFiles << path; }
    void showFindings(const QList<check::Finding>& shown) override { findings = shown; }
    QStringList shownFiles;
    std::optional<QList<check::Finding>> findings;
};

class FakeBrowserFactory : public web::WebFactory {
public:
    // What each address shows; any other address shows an empty page.
    QHash<QString, FakePage> pages;
    // Every create throws error 91, as when the web engine cannot be loaded.
    bool unavailable = false;
    // One log per browser made, in order.
    std::vector<std::shared_ptr<FakeBrowserLog>> browsers;
    std::vector<QPointer<FakePageView>> pageViews;

    std::unique_ptr<web::Browser> createBrowser(web::BrowserKind kind) override;
    web::PageView* createPageView(QWidget* parent) override;
};
