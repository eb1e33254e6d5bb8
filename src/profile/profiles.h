#pragma once

#include <QString>
#include <map>
#include <memory>
#include <optional>

namespace profile {

class ProfileText;

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

    // Between beginBatch() and commitBatch() each file is read once and writes collect in
    // memory; each changed file is replaced once at the commit: a save of sixty keys then
    // costs three file replacements, not sixty, and a restore three reads. Reads see the
    // pending writes. commitBatch() throws platform::Error.
    void beginBatch() const;
    void commitBatch() const;

    QString auctionIniPath() const;
    QString settingIniPath() const;
    QString basicIniPath() const;

private:
    void write(const QString& path, const QString& section, const QString& key,
               const QString& value) const;
    std::optional<QString> read(const QString& path, const QString& section,
                                const QString& key) const;

    QString m_applicationFolder;
    // Pending writes by file path while a batch is open.
    struct PendingFile;
    mutable std::shared_ptr<std::map<QString, PendingFile>> m_batch;
};

// The complete first-run contents of each file, written key by key in their fixed order.
void CreateDefaultAuctionIni(const Profiles& profiles);
void CreateDefaultSettingIni(const Profiles& profiles);
void CreateDefaultBasicIni(const Profiles& profiles);

} // namespace profile
