#pragma once

#include "browser.h"

#include <memory>

namespace web {

// Makes the browser windows: the program's factory loads the web engine on first use, tests
// script a fake. Throws platform::Error 91 when no browser is available. Needs no widgets, so
// the web actions can be built and tested on Qt Core alone.
class BrowserFactory {
public:
    virtual ~BrowserFactory() = default;
    // A new browser window of that kind, hidden.
    virtual std::unique_ptr<Browser> createBrowser(BrowserKind kind) = 0;
};

} // namespace web
