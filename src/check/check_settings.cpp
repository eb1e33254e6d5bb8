#include "check_settings.h"

#include "platform/error.h"
#include "profile/profile_file.h"

#include <QRegularExpression>
#include <QUrl>

namespace check {
namespace {

using namespace Qt::StringLiterals;

const QString kSection = u"check"_s;
// A profile value reads at most 127 bytes, so the hosts are spread over numbered keys.
constexpr int kShopKeys = 50;

// "https://Shop.Example.jp/path" and "*.shop.example.jp" both become "shop.example.jp".
QString hostOf(QString entry) {
    entry = entry.trimmed().toLower();
    if (entry.contains(u"://"_s))
        return QUrl(entry).host();
    entry = entry.section(u'/', 0, 0).section(u':', 0, 0);
    while (entry.startsWith(u'*') || entry.startsWith(u'.'))
        entry.remove(0, 1);
    return entry;
}

} // namespace

QStringList defaultOtherShopHosts() {
    return {
        u"mercari.com"_s,
        u"mercari-shops.com"_s,
        u"fril.jp"_s,
        u"paypayfleamarket.yahoo.co.jp"_s,
        u"shopping.yahoo.co.jp"_s,
        u"rakuten.co.jp"_s,
        u"amazon.co.jp"_s,
        u"amazon.com"_s,
        u"amzn.to"_s,
        u"amzn.asia"_s,
        u"mbok.jp"_s,
        u"ebay.com"_s,
        u"thebase.in"_s,
        u"base.shop"_s,
        u"stores.jp"_s,
        u"minne.com"_s,
        u"creema.jp"_s,
        u"booth.pm"_s,
    };
}

CheckSettings readCheckSettings(const QString& settingIniPath) {
    profile::ProfileText ini;
    try {
        ini = profile::ProfileText::load(settingIniPath);
    } catch (const platform::Error&) {
        // The check only advises: an unreadable file must not keep the seller from it.
        return {};
    }
    CheckSettings settings;
    if (ini.read(kSection, u"defaultshops"_s).value_or(u"1"_s) == u"0")
        settings.otherShopHosts.clear();
    static const QRegularExpression separators(u"[\\s,、，]+"_s);
    for (int i = 1; i <= kShopKeys; ++i) {
        const QString value =
            ini.read(kSection, u"shop"_s + QString::number(i)).value_or(QString());
        for (const QString& entry : value.split(separators, Qt::SkipEmptyParts)) {
            const QString host = hostOf(entry);
            if (!host.isEmpty() && !settings.otherShopHosts.contains(host))
                settings.otherShopHosts << host;
        }
    }
    bool ok = false;
    const qint64 maxBytes = ini.read(kSection, u"maxbytes"_s).value_or(QString()).toLongLong(&ok);
    if (ok && maxBytes > 0)
        settings.maxPageBytes = maxBytes;
    return settings;
}

} // namespace check
