#pragma once

#include "browser_factory.h"
#include "page_view.h"

#include <QtPlugin>

namespace web {

// Both factories in one: what the web engine module makes and the main window is handed.
class WebFactory : public BrowserFactory, public PageViewFactory {};

} // namespace web

// The web engine module's root object is a WebFactory.
#define TOMOEA_WEB_FACTORY_IID "tomoea.web.WebFactory/3"
Q_DECLARE_INTERFACE(web::WebFactory, TOMOEA_WEB_FACTORY_IID)
