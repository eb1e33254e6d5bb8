#include "platform/error.h"
#include "web/webengine_loader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int errorNumberOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const platform::Error& e) {
        return e.number();
    }
    return 0;
}

struct BrokenModule {
    const char* name;
    QString (*path)(const QString& freshFolder);
};
void PrintTo(const BrokenModule& module, std::ostream* os) {
    *os << module.name;
}

class WebEngineLoaderFailure : public ::testing::TestWithParam<BrokenModule> {};

// Whatever stands in the module's place, the seller gets error 91 (shown as "接続できません"
// and the like), never a crash, and a later call tries again.
TEST_P(WebEngineLoaderFailure, ReportsObjectNotSet) {
    QTemporaryDir folder;
    web::WebEngineLoader loader(GetParam().path(folder.path()));
    EXPECT_EQ(errorNumberOf([&] { loader.createBrowser(web::BrowserKind::Page); }), 91);
    EXPECT_EQ(errorNumberOf([&] { loader.createBrowser(web::BrowserKind::Page); }), 91);
    EXPECT_EQ(errorNumberOf([&] { loader.createPageView(nullptr); }), 91);
}

INSTANTIATE_TEST_SUITE_P(
    Modules, WebEngineLoaderFailure,
    ::testing::Values(
        BrokenModule{"Missing", [](const QString& folder) { return folder + u"/plugins/m.so"_qs; }},
        BrokenModule{"TextFile",
                     [](const QString& folder) {
                         QFile file(folder + u"/m.so"_qs);
                         EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                         file.write("not a shared object\n");
                         return file.fileName();
                     }},
        // A real Qt plugin of another kind: it loads, but it is no browser factory.
        BrokenModule{"OtherPlugin", [](const QString&) {
                         return QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                                u"/imageformats/libqgif.so"_qs;
                     }}));

// The build and a portable copy keep the module beside the executable; the package keeps it
// in <prefix>/lib/tomoea, and a module beside the executable still wins over that one.
TEST(WebEngineModulePath, BesideTheExecutableElseInTheInstalledLibraryFolder) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath(u"bin/plugins"_qs));
    const QString bin = prefix.path() + u"/bin"_qs;
    const QString file = QFileInfo(web::defaultWebEngineModulePath()).fileName();
    EXPECT_EQ(web::webEngineModulePathFor(bin), prefix.path() + u"/lib/tomoea/plugins/"_qs + file);
    QFile beside(bin + u"/plugins/"_qs + file);
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    EXPECT_EQ(web::webEngineModulePathFor(bin), beside.fileName());
}

TEST(SandboxSetting, IsTurnedOffForRootOnly) {
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    web::disableSandboxWhenRoot(1000);
    EXPECT_FALSE(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
    web::disableSandboxWhenRoot(0);
    EXPECT_EQ(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), "1");
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
}

} // namespace
