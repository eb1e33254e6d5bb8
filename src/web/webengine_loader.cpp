#include "webengine_loader.h"

#include "platform/error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>
#include <unistd.h>

namespace web {

namespace {

QtMessageHandler g_nextHandler = nullptr;

// Loaded after the application exists, the engine advises setting
// Qt::AA_ShareOpenGLContexts before it; the module makes the engine's context itself
// instead, so the advice is left out of the program's output.
void withoutStartAdvice(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("AA_ShareOpenGLContexts")))
        g_nextHandler(type, context, message);
}

} // namespace

QString webEngineModulePathFor(const QString& executableFolder) {
    const QString file = QStringLiteral(TOMOEA_WEB_MODULE_FILE);
    const QString beside = executableFolder + QStringLiteral("/plugins/") + file;
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(executableFolder + QStringLiteral("/../lib/tomoea/plugins/") + file);
}

QString defaultWebEngineModulePath() {
    return webEngineModulePathFor(QCoreApplication::applicationDirPath());
}

void disableSandboxWhenRoot(uid_t effectiveUserId) {
    if (effectiveUserId == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

WebEngineLoader::WebEngineLoader(QString modulePath) : m_modulePath(std::move(modulePath)) {}

std::unique_ptr<Browser> WebEngineLoader::createBrowser(BrowserKind kind) {
    return module().createBrowser(kind);
}

PageView* WebEngineLoader::createPageView(QWidget* parent) {
    return module().createPageView(parent);
}

BrowserFactory& WebEngineLoader::module() {
    if (m_module)
        return *m_module;

    disableSandboxWhenRoot(::geteuid());
    QPluginLoader loader(m_modulePath);
    // The interface is checked before anything of the module runs, so a stray plugin
    // in its place never gets to make its root object.
    const QString iid = loader.metaData().value(QLatin1String("IID")).toString();
    if (iid != QLatin1String(TOMOEA_BROWSER_FACTORY_IID)) {
        qWarning("web engine module %s not loaded: %s", qPrintable(m_modulePath),
                 qPrintable(iid.isEmpty() ? loader.errorString() : QStringLiteral("IID ") + iid));
        throw platform::Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
    }
    g_nextHandler = qInstallMessageHandler(withoutStartAdvice);
    auto* factory = qobject_cast<BrowserFactory*>(loader.instance());
    qInstallMessageHandler(g_nextHandler);
    if (!factory) {
        qWarning("web engine module %s not loaded: %s", qPrintable(m_modulePath),
                 qPrintable(loader.errorString()));
        throw platform::Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
    }
    m_module = factory;
    return *m_module;
}

} // namespace web
