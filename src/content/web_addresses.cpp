#include "web_addresses.h"

#include "profile/profiles.h"

namespace content {
namespace {

void readInto(const profile::Profiles& profiles, const QString& key, QString& address) {
    const QString stored = profiles.ReadSettingIni(QStringLiteral("web"), key);
    if (!stored.isEmpty())
        address = stored;
}

} // namespace

WebAddresses readWebAddresses(const core::Workspace& workspace) {
    const profile::Profiles profiles(workspace.applicationFolder);
    WebAddresses addresses;
    readInto(profiles, QStringLiteral("home"), addresses.home);
    readInto(profiles, QStringLiteral("store"), addresses.store);
    readInto(profiles, QStringLiteral("login"), addresses.login);
    readInto(profiles, QStringLiteral("mystatus"), addresses.mystatus);
    readInto(profiles, QStringLiteral("japanpost"), addresses.japanpost);
    readInto(profiles, QStringLiteral("yamato"), addresses.yamato);
    readInto(profiles, QStringLiteral("manual"), addresses.manual);
    return addresses;
}

QString homePageAddress(const QString& home) {
    QString address = home;
    if (!address.endsWith(u'/'))
        address += u'/';
    return address + QStringLiteral("index.html");
}

} // namespace content
