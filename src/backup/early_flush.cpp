#include "early_flush.h"

#include <chrono>
#include <fcntl.h>
#include <unistd.h>

namespace backup {

EarlyFlush::EarlyFlush(const QByteArray& folder)
    : m_fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)), m_thread([this] {
          if (m_fd < 0)
              return;
          std::unique_lock lock(m_mutex);
          while (!m_stopping) {
              lock.unlock();
              ::syncfs(m_fd);
              lock.lock();
              m_stopped.wait_for(lock, std::chrono::milliseconds(100),
                                 [this] { return m_stopping; });
          }
      }) {}

EarlyFlush::~EarlyFlush() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_stopped.notify_all();
    }
    m_thread.join();
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace backup
