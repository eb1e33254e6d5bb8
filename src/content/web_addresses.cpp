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
    return addresses;
}

} // namespace content
