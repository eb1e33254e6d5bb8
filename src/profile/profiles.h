#pragma once

#include "core/workspace.h"
#include "profile_file.h"

#include <QString>
#include <map>
#include <optional>

namespace profile {

class ProfileBatch;

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

private:
    friend class ProfileBatch;

    void write(QStringView file, const QString& section, const QString& key,
               const QString& value) const;
    std::optional<QString> read(QStringView file, const QString& section, const QString& key) const;

    core::Workspace m_workspace;
    // The batch open on these files, if any; it lives on its creator's stack.
    mutable ProfileBatch* m_batch = nullptr;
};

// While it exists, each profile file is read once and writes to it collect in memory;
// each changed file is then replaced once: a save of sixty keys costs three file
// replacements, not sixty, and a restore three reads. Reads see the pending writes.
class ProfileBatch {
public:
    explicit ProfileBatch(const Profiles& profiles);
    // Writes what was collected, ignoring a failure: ending without commit() means a
    // failure is already on its way, and the keys written before it must still be kept.
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    // Replaces each changed file; throws the first platform::Error once every file it
    // could write is written. Later writes go straight to the files.
    void commit();

private:
    friend class Profiles;
    struct PendingFile {
        ProfileText text;
        bool changed = false;
    };

    // The file's lines as this batch holds them, read on first use.
    PendingFile& pending(const QString& path);

    const Profiles& m_profiles;
    std::map<QString, PendingFile> m_files;
};

} // namespace profile
