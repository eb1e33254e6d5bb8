#pragma once

#include <QString>

namespace profile {

// The six operations through which the program reads and writes its three profile files
// ini/auction.ini, ini/setting.ini and ini/basic.ini below the application folder.
// Reads never fail (a missing file, section or key reads as its default); writes throw
// platform::Error so that a failed save is reported instead of silently lost.
class Profiles {
public:
    explicit Profiles(QString applicationFolder);

    QString ReadAuctionIni(const QString& section, const QString& key, bool asFlag) const;
    void WriteAuctionIni(const QString& section, const QString& key, const QString& value) const;
    QString ReadBasicIni(const QString& section, const QString& key, bool asFlag) const;
    void WriteBasicIni(const QString& section, const QString& key, const QString& value) const;
    QString ReadSettingIni(const QString& section, const QString& key) const;
    void WriteSettingIni(const QString& section, const QString& key, const QString& value) const;

    QString auctionIniPath() const;
    QString settingIniPath() const;
    QString basicIniPath() const;

private:
    QString m_applicationFolder;
};

// The complete first-run contents of each file, written key by key in their fixed order.
void CreateDefaultAuctionIni(const Profiles& profiles);
void CreateDefaultSettingIni(const Profiles& profiles);
void CreateDefaultBasicIni(const Profiles& profiles);

} // namespace profile
