#pragma once

#include <QString>
#include <atomic>
#include <thread>

// Folders a restore has replaced. Removing ten thousand listings one file at a time takes
// longer than the restore itself, so the folders are first renamed aside in one step and
// removed afterwards, without holding the window.
namespace backup {

// <application folder>/.tomoea-replaced-XXXXXX
inline constexpr char kReplacedPrefix[] = ".tomoea-replaced-";

// Renames `folder` to a fresh replaced name in `applicationFolder` and returns that name;
// throws platform::Error when the rename fails.
QString setReplacedAside(const QString& applicationFolder, const QString& folder);

// Removes one folder on a thread of its own. The destructor stops the removal between two
// files and waits for it; what is left goes at the next start.
class ReplacedRemoval {
public:
    explicit ReplacedRemoval(const QString& folder);
    ~ReplacedRemoval();
    ReplacedRemoval(const ReplacedRemoval&) = delete;
    ReplacedRemoval& operator=(const ReplacedRemoval&) = delete;

    bool finished() const { return m_finished; }
    void wait();

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
};

// Where every replaced folder goes: removed in the background while the program runs.
void removeReplacedLater(const QString& folder);
// Waits for every removal started so far.
void waitForReplacedRemovals();
// The replaced folders that an earlier run did not finish removing, removed in the background.
void removeLeftoverReplaced(const QString& applicationFolder);

} // namespace backup
