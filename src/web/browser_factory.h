#pragma once

#include "browser.h"
#include "page_view.h"

#include <QtPlugin>
#include <memory>

namespace web {

// Makes every browser and page view of the program: the program's one loads the web engine
// on first use, tests script a fake. Both throw platform::Error 91 when no browser is
// available.
class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    // A new browser window of that kind, hidden.
    virtual std::unique_ptr<Browser> createBrowser(BrowserKind kind) = 0;
    // A page view owned by `parent`, for a page the program wrote (BrowserKind::Page).
    virtual PageView* createPageView(QWidget* parent) = 0;
};

} // namespace web

// The web engine module's root object is a BrowserFactory.
#define TOMOEA_BROWSER_FACTORY_IID "tomoea.web.BrowserFactory/2"
Q_DECLARE_INTERFACE(web::BrowserFactory, TOMOEA_BROWSER_FACTORY_IID)
