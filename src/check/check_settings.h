#pragma once

#include <QStringList>
#include <optional>

namespace check {

// Shops and auction sites other than the one the page is listed on: the hosts a link must not
// lead buyers to.
QStringList defaultOtherShopHosts();

struct CheckSettings {
    // A host given here also covers every host below it (mercari.com covers jp.mercari.com).
    QStringList otherShopHosts = defaultOtherShopHosts();
    // The largest page, in bytes as written (CP932); none means no limit.
    std::optional<qint64> maxPageBytes;

    bool operator==(const CheckSettings&) const = default;
};

// The [check] section of the page-style profile (ini/setting.ini) at `settingIniPath`:
//   defaultshops=0   leaves out the built-in hosts
//   shop1 … shop50   more hosts, several to a key separated by blanks or commas
//   maxbytes=N       the size limit (missing, 0 or not a number: no limit)
// A missing or unreadable file reads as the defaults.
CheckSettings readCheckSettings(const QString& settingIniPath);

} // namespace check
