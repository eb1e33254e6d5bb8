#include "safe_file.h"

#include "error.h"
#include "platform/native_file.h"

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

constexpr char kNameCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool isNameCharacter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

std::string temporaryName(const std::string& target) {
    std::string name = target + kTemporaryFileInfix.toString().toStdString();
    for (int i = 0; i < kTemporaryFileRandomLength; ++i)
        name +=
            kNameCharacters[QRandomGenerator::global()->bounded(int(sizeof kNameCharacters - 1))];
    return name;
}

// After a rename the new name lives in the folder's own blocks; without this a crash can
// bring back the old file, or no file at all where there was none.
void syncFolder(const std::string& target, const QString& path) {
    const std::string::size_type slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : target.substr(0, slash == 0 ? 1 : slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw Error::fromErrno(errno, path);
    // EINVAL: a file system that cannot flush a folder, and has nothing to flush.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    if (!synced)
        throw Error::fromErrno(error, path);
}

} // namespace

bool isTemporaryFileName(QStringView fileName) {
    const qsizetype infix =
        fileName.size() - kTemporaryFileRandomLength - kTemporaryFileInfix.size();
    if (infix < 1 || fileName.mid(infix, kTemporaryFileInfix.size()) != kTemporaryFileInfix)
        return false;
    const QStringView random = fileName.last(kTemporaryFileRandomLength);
    return std::all_of(random.begin(), random.end(), isNameCharacter);
}

SafeFile::SafeFile(const QString& path, FileAccess access)
    : m_path(path), m_target(nativePath(path).toStdString()) {
    // The temporary file is created no more open than the file it becomes.
    mode_t createMode = 0666;
    struct stat existing {};
    if (access == FileAccess::OwnerOnly) {
        createMode = 0600;
        m_mode = 0600;
    } else if (::stat(m_target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        m_mode = int(existing.st_mode & 07777);
        createMode = mode_t(m_mode) & 0666;
    }
    for (int attempt = 0; m_fd < 0; ++attempt) {
        m_temp = temporaryName(m_target);
        m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      createMode);
        if (m_fd < 0 && (errno != EEXIST || attempt == 100))
            throw Error::fromErrno(errno, path);
    }
}

SafeFile::~SafeFile() {
    removeTemporary();
}

void SafeFile::removeTemporary() {
    if (m_fd < 0)
        return;
    ::close(std::exchange(m_fd, -1));
    ::unlink(m_temp.c_str());
}

void SafeFile::fail(int error) {
    removeTemporary();
    throw Error::fromErrno(error, m_path);
}

void SafeFile::write(QByteArrayView bytes) {
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(errno);
        data += n;
        left -= n;
    }
}

void SafeFile::commit() {
    if (m_mode >= 0 && ::fchmod(m_fd, mode_t(m_mode)) != 0)
        fail(errno);
    // The data reaches the disk before the name does: a crash after the rename never finds
    // the new name on an empty or partial file.
    if (::fsync(m_fd) != 0)
        fail(errno);
    // After close() the descriptor is gone whatever it returns.
    if (::close(std::exchange(m_fd, -1)) != 0 || ::rename(m_temp.c_str(), m_target.c_str()) != 0) {
        const int error = errno;
        ::unlink(m_temp.c_str());
        throw Error::fromErrno(error, m_path);
    }
    syncFolder(m_target, m_path);
}

void writeFileAtomically(const QString& path, QByteArrayView bytes, FileAccess access) {
    SafeFile file(path, access);
    file.write(bytes);
    file.commit();
}

} // namespace platform
