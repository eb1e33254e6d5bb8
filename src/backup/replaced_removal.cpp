#include "replaced_removal.h"

#include "platform/error.h"
#include "platform/native_file.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <mutex>
#include <stdio.h>
#include <stdlib.h>
#include <vector>

namespace backup {
namespace {

namespace fs = std::filesystem;

// Depth first, one entry at a time, so a stop takes effect at once. False when stopped or
// when something could not be removed.
bool removeTree(const fs::path& folder, const std::atomic<bool>& stop) {
    std::error_code error;
    bool complete = true;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (stop)
            return false;
        if (it->is_directory(error) && !it->is_symlink(error))
            complete &= removeTree(it->path(), stop);
        else
            complete &= fs::remove(it->path(), error);
    }
    return !stop && complete && fs::remove(folder, error);
}

// Every removal of this run; the list's end stops and waits for those still running.
struct Removals {
    std::mutex mutex;
    std::vector<std::unique_ptr<ReplacedRemoval>> running;
};

Removals& removals() {
    static Removals all;
    return all;
}

} // namespace

QString setReplacedAside(const QString& applicationFolder, const QString& folder) {
    // mkdtemp picks a free name; the rename then replaces that empty folder.
    QByteArray target = platform::nativePath(applicationFolder) + '/' + kReplacedPrefix + "XXXXXX";
    if (!::mkdtemp(target.data()))
        throw platform::Error::fromErrno(errno, applicationFolder);
    if (::rename(platform::nativePath(folder).constData(), target.constData()) != 0) {
        const int error = errno;
        QDir().rmdir(QFile::decodeName(target));
        throw platform::Error::fromErrno(error, folder);
    }
    return QFile::decodeName(target);
}

ReplacedRemoval::ReplacedRemoval(const QString& folder)
    : m_thread([this, path = fs::path(platform::nativePath(folder).toStdString())] {
          removeTree(path, m_stop);
          m_finished = true;
      }) {}

ReplacedRemoval::~ReplacedRemoval() {
    m_stop = true;
    wait();
}

void ReplacedRemoval::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

void removeReplacedLater(const QString& folder) {
    Removals& all = removals();
    const std::lock_guard lock(all.mutex);
    std::erase_if(all.running, [](const auto& removal) { return removal->finished(); });
    all.running.push_back(std::make_unique<ReplacedRemoval>(folder));
}

void waitForReplacedRemovals() {
    Removals& all = removals();
    const std::lock_guard lock(all.mutex);
    for (const auto& removal : all.running)
        removal->wait();
    all.running.clear();
}

void removeLeftoverReplaced(const QString& applicationFolder) {
    const QDir app(applicationFolder);
    const QStringList leftovers =
        app.entryList({QString::fromLatin1(kReplacedPrefix) + QStringLiteral("??????")},
                      QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : leftovers)
        removeReplacedLater(app.filePath(name));
}

} // namespace backup
