#pragma once

#include "backup.h"

#include <QString>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace backup {

// The restore's backup of the workspace it is about to replace, written on a thread of its
// own while the archive is unpacked, so that the two take little longer than the unpacking
// alone. The seller still sees it as a step of its own (Step::SavingCurrent) after the
// unpacking, every file of it, and the archive is closed only once that step has been seen
// through: a cancel or a failure anywhere before leaves no automatic backup. The destructor
// cancels what is not finished and waits for the thread.
class AutomaticBackup {
public:
    AutomaticBackup(const QString& applicationFolder, const QString& archivePath,
                    const platform::Clock& clock);
    ~AutomaticBackup();
    AutomaticBackup(const AutomaticBackup&) = delete;
    AutomaticBackup& operator=(const AutomaticBackup&) = delete;

    // Throws what the writing failed with, as soon as it has; cheap enough for every file.
    void throwIfFailed();
    // Reports the files written so far and then the rest as they are written, and closes the
    // archive. False when cancelled through `progress`; throws what the writing failed with.
    bool finish(const ProgressCallback& progress);

private:
    void write(const QString& applicationFolder, const QString& archivePath,
               const platform::Clock& clock);
    // Waits until every file is written or the writing has ended, at most for one report's
    // interval; true when it is so.
    bool waitForTheLastFile();
    bool cancel();
    void rethrowFailure();

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::atomic<qint64> m_done{0};
    std::atomic<qint64> m_total{0};
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_failed{false};
    bool m_lastFileWritten = false; // waiting to close, under m_mutex
    bool m_mayClose = false;        // under m_mutex
    bool m_ended = false;           // under m_mutex
    std::optional<Outcome> m_outcome;
    std::exception_ptr m_failure;
    std::thread m_thread; // last: starts once everything above is set
};

} // namespace backup
