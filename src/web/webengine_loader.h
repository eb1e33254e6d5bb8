#pragma once

#include "browser_factory.h"

#include <QString>
#include <sys/types.h>

namespace web {

// The web engine module's place, relative to the executable's folder: plugins/<file> beside
// it (the build and a portable copy), else ../lib/tomoea/plugins/<file> (the package).
QString webEngineModulePathFor(const QString& executableFolder);
QString defaultWebEngineModulePath();

// Chromium will not start as root with its sandbox on. Sets QTWEBENGINE_DISABLE_SANDBOX=1
// for this process when `effectiveUserId` is root's, and leaves the environment alone
// otherwise. It must run before the engine starts.
void disableSandboxWhenRoot(uid_t effectiveUserId);

// The program's browser factory. The web engine lives in a module of its own that is
// loaded the first time a browser or a page view is asked for, so start-up never pays
// for it. A module that cannot be loaded is error 91, and the next call tries again.
class WebEngineLoader : public BrowserFactory {
public:
    explicit WebEngineLoader(QString modulePath = defaultWebEngineModulePath());

    std::unique_ptr<Browser> createBrowser(BrowserKind kind) override;
    PageView* createPageView(QWidget* parent) override;

private:
    BrowserFactory& module();

    QString m_modulePath;
    // The module's root object; the module stays loaded until the program ends.
    BrowserFactory* m_module = nullptr;
};

} // namespace web
