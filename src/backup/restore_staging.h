#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The folder a restore unpacks into and swaps the workspace folders through, shared by the
// restore and the start-up repair of one that a crash cut short.
namespace backup {

// <application folder>/.tomoea-restore-XXXXXX, holding new/ (the unpacked archive), old/
// (the workspace folders set aside) and, once the swap may begin, the journal.
inline constexpr char kStagingPrefix[] = ".tomoea-restore-";

// Written before the first workspace folder moves.
struct RestoreJournal {
    QString automaticBackup;
    QStringList folders; // the workspace folders the archive brings, by name
};

class Staging {
public:
    explicit Staging(const QString& applicationFolder);
    // Removes the folder unless kept or discarded.
    ~Staging();
    Staging(const Staging&) = delete;
    Staging& operator=(const Staging&) = delete;

    QByteArray unpacked() const { return unpackedIn(m_path); }
    QByteArray setAside() const { return setAsideIn(m_path); }
    QString path() const;
    void keep() { m_done = true; }

    // The unpacked files reach the disk before any workspace folder is moved, so a crash
    // during the swap cannot lose the old and the new contents both.
    void sync() const;
    // Written whole or not at all, and on the disk when this returns.
    void writeJournal(const RestoreJournal& journal) const;
    // After the swap went through, or when the restore was cancelled: the folder is renamed
    // aside at once and removed in the background (see removeReplacedLater()).
    void discard();

    static QByteArray unpackedIn(const QByteArray& staging) { return staging + "/new"; }
    static QByteArray setAsideIn(const QByteArray& staging) { return staging + "/old"; }
    static QByteArray journalIn(const QByteArray& staging) { return staging + "/restore.journal"; }

private:
    QByteArray m_path;
    bool m_done = false;
};

// Nothing when the staging folder has no journal (the swap never began) or an unreadable
// one.
std::optional<RestoreJournal> readJournal(const QByteArray& staging);

// Renames a staging folder aside and removes it in the background; removes it here when it
// cannot be renamed.
void discardStaging(const QByteArray& staging);

// Removes a staging folder with its journal last: a crash on the way leaves a journal
// beside what is left, never set-aside folders without the journal that explains them.
// False when something stays.
bool removeStaging(const QByteArray& staging);

} // namespace backup
