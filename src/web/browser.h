#pragma once

#include "check/page_check.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include <optional>

namespace web {

// One link of a loaded page, in document order.
struct Link {
    QString href;      // the absolute address the link goes to
    QString innerText; // the text the page shows for it
    bool operator==(const Link&) const = default;
};

// The ready states a browser reports while it loads a page.
namespace ReadyState {
constexpr int Uninitialized = 0; // nothing navigated yet
constexpr int Loading = 1;
constexpr int Complete = 4;
} // namespace ReadyState

// Which profile a browser window belongs to. The two share nothing: no cookies, no storage.
enum class BrowserKind {
    // A page the program wrote (preview, finished page, manual). Its profile is off the
    // record, runs none of the page's scripts, lets the page read no other file and no web
    // address, opens no pop-up and refuses downloads: a pasted description must not reach
    // the seller's files or the signed-in service. A web link the seller clicks there opens
    // in a Service window.
    Page,
    // The auction service and the other sites: the profile the seller signs in with.
    Service,
};

// One browser window as the program drives it: every preview, web action and page wait
// goes through here. A new browser is hidden. Releasing it (destroying this object) leaves
// a shown window open for the seller; a window still hidden then is closed, since nothing
// could ever reach it again.
//
// Every operation throws platform::Error 91 when its object is not there: the seller closed
// the window, nothing was navigated yet, the address names no page, or the page has no such
// form or field.
class Browser {
public:
    virtual ~Browser() = default;

    // Starts loading a web address or the full path of a local file and returns at once.
    virtual void navigate(const QString& address) = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
    // ReadyState::Complete once the latest load has finished; busy() while one runs.
    virtual int readyState() const = 0;
    virtual bool busy() const = 0;
    // The address of the page loaded last, as it ended up after any redirects; empty before.
    virtual QString address() const = 0;
    // Waits until the latest load has finished, handling the user's events meanwhile; returns
    // at once when nothing is loading. Without a limit it waits as long as it takes; with one
    // it returns false when the limit passed first (and when the program is ending).
    virtual bool waitForPage(std::optional<std::chrono::milliseconds> limit = std::nullopt) = 0;

    // The document of the loaded page. Forms are counted from 0 in document order.
    // The names of the form's elements in document order ("" for an element without one).
    virtual QStringList formElementNames(int form) = 0;
    // The value of the form's field of that name.
    virtual QString fieldValue(int form, const QString& name) = 0;
    virtual void setFieldValue(int form, const QString& name, const QString& value) = 0;
    // Submits the form; the page it leads to loads as after navigate().
    virtual void submitForm(int form) = 0;
    virtual QList<Link> links() = 0;

    // Shows the page check's findings of the page navigated to last in a list beside it (or
    // that nothing was found) while that page is shown; picking one scrolls the page to it.
    virtual void showFindings(const QList<check::Finding>& findings) = 0;
};

} // namespace web
