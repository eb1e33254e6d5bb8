#pragma once

#include <QByteArray>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace backup {

// Has the file system of `folder` write out what is written to it, again and again on a
// thread of its own until destroyed, so that a sync afterwards has little left to wait for.
// Failures are left to that sync to report.
class EarlyFlush {
public:
    explicit EarlyFlush(const QByteArray& folder);
    ~EarlyFlush();
    EarlyFlush(const EarlyFlush&) = delete;
    EarlyFlush& operator=(const EarlyFlush&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_stopped;
    bool m_stopping = false;
    int m_fd;
    std::thread m_thread; // last: starts once everything above is set
};

} // namespace backup
