#pragma once

#include "browser_factory.h"
#include "platform/prompter.h"

#include <QString>
#include <chrono>

namespace web {

// The pauses of the web actions. The program keeps the defaults; tests shorten them.
struct AutomationPauses {
    // After the store's result page has loaded, its script still adds the offers' links.
    std::chrono::milliseconds searchSettle{3000};
    // After the login form was sent, before the status page is asked for.
    std::chrono::milliseconds afterLogin{1000};
};

// Each action drives a browser of its own, made by `browsers` (null: no browser is
// available), and leaves it to the seller when it ends. A failure is shown through
// `prompter` as the action's one message; the page waits keep the seller's window working.

// Searches the store for `word` and shows the new-item offers of the first product that
// has them, or else the result page.
void SearchProduct(BrowserFactory* browsers, const QString& storeAddress, const QString& word,
                   platform::Prompter& prompter, const AutomationPauses& pauses = {});
// Logs in with `id` and `password` on the login page, then shows the status page. A login
// page that ends up at another origin (scheme, host, port) than `loginAddress` gets nothing.
void OpenMyPage(BrowserFactory* browsers, const QString& loginAddress, const QString& statusAddress,
                const QString& id, const QString& password, platform::Prompter& prompter,
                const AutomationPauses& pauses = {});
// Shows a carrier's home page; `tag` names the action in its failure message.
void OpenCarrierPage(BrowserFactory* browsers, const QString& page, QStringView tag,
                     platform::Prompter& prompter);
void OpenManual(BrowserFactory* browsers, const QString& manualAddress,
                platform::Prompter& prompter);

// Handles the seller's events for at least `pause`.
void waitHandlingEvents(std::chrono::milliseconds pause);

} // namespace web
