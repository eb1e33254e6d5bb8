#include "automatic_backup.h"

#include "backup_reader.h"
#include "backup_writer.h"

#include <chrono>

namespace backup {
namespace {

// Often enough for the window to repaint and the cancel button to answer.
constexpr std::chrono::milliseconds kReportInterval{50};

} // namespace

AutomaticBackup::AutomaticBackup(const QString& applicationFolder, const QString& archivePath,
                                 const platform::Clock& clock)
    : m_thread([this, applicationFolder, archivePath, &clock] {
          write(applicationFolder, archivePath, clock);
      }) {}

AutomaticBackup::~AutomaticBackup() {
    if (m_thread.joinable())
        cancel();
}

void AutomaticBackup::write(const QString& applicationFolder, const QString& archivePath,
                            const platform::Clock& clock) {
    const auto progress = [this](const Progress& p) {
        m_total.store(p.total);
        m_done.store(p.done);
        return !m_cancelled.load();
    };
    const auto beforeClosing = [this] {
        std::unique_lock lock(m_mutex);
        m_lastFileWritten = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_mayClose || m_cancelled.load(); });
        return !m_cancelled.load();
    };
    std::optional<Outcome> outcome;
    std::exception_ptr failure;
    try {
        outcome = writeBackup(applicationFolder, archivePath, clock, progress, beforeClosing);
    } catch (...) {
        failure = std::current_exception();
    }
    std::lock_guard lock(m_mutex);
    m_outcome = outcome;
    m_failure = failure;
    m_failed.store(failure != nullptr);
    m_ended = true;
    m_changed.notify_all();
}

void AutomaticBackup::throwIfFailed() {
    if (m_failed.load())
        rethrowFailure();
}

bool AutomaticBackup::waitForTheLastFile() {
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, kReportInterval,
                              [this] { return m_lastFileWritten || m_ended; });
}

bool AutomaticBackup::finish(const ProgressCallback& progress) {
    qint64 reported = 0;
    // Every count is reported, however far the writing is ahead.
    const auto reportUpTo = [&](qint64 done) {
        while (reported < done) {
            if (!proceed(progress, {Step::SavingCurrent, ++reported, m_total.load()}))
                return false;
        }
        return true;
    };
    for (bool last = false; !last;) {
        last = waitForTheLastFile();
        const qint64 done = m_done.load();
        // One large file takes a while: the window is kept answering meanwhile.
        const bool answered = done > reported
                                  ? reportUpTo(done)
                                  : proceed(progress, {Step::SavingCurrent, done, m_total.load()});
        if (!answered)
            return cancel();
    }
    throwIfFailed();
    {
        std::lock_guard lock(m_mutex);
        m_mayClose = true;
        m_changed.notify_all();
    }
    m_thread.join();
    rethrowFailure();
    return m_outcome == Outcome::Done;
}

bool AutomaticBackup::cancel() {
    {
        std::lock_guard lock(m_mutex);
        m_cancelled.store(true);
        m_changed.notify_all();
    }
    m_thread.join();
    return false;
}

void AutomaticBackup::rethrowFailure() {
    if (m_thread.joinable())
        m_thread.join();
    if (m_failure)
        std::rethrow_exception(m_failure);
}

} // namespace backup
