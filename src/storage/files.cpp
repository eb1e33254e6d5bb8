#include "files.h"

#include "platform/error.h"
#include "platform/text_file.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {
namespace {

std::string nativePath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

QByteArray Files::read(const QString& path) {
    return platform::readFileBytes(path);
}

void Files::write(const QString& path, QByteArrayView bytes) {
    // Written beside the target and renamed over it, so a crash of the program leaves the old
    // file or the new one. There is no fsync: it would cost the disk's flush latency on every
    // save (milliseconds, more than the whole rewrite of a large index), and ext4 by default
    // writes out a file that replaces another by rename before the rename itself.
    const std::string target = nativePath(path);
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        throw platform::Error::fromErrno(errno, path);
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        return platform::Error::fromErrno(error, path);
    };
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw fail(errno);
        data += n;
        left -= n;
    }
    if (::fchmod(fd, 0644) != 0)
        throw fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw platform::Error::fromErrno(error, path);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        throw platform::Error::fromErrno(error, path);
    }
}

void Files::copy(const QString& from, const QString& to) {
    write(to, read(from));
}

void Files::move(const QString& from, const QString& to) {
    if (std::rename(nativePath(from).c_str(), nativePath(to).c_str()) == 0)
        return;
    const int error = errno;
    if (error == EXDEV) {
        copy(from, to);
        remove(from);
        return;
    }
    // rename() says ENOENT both for a missing source and for a missing target folder; only
    // the first is "file not found", which callers may pass over.
    if (error == ENOENT && exists(from))
        throw platform::Error::fromNumber(platform::ErrorNumber::PathNotFound);
    throw platform::Error::fromErrno(error, from);
}

void Files::remove(const QString& path) {
    if (::unlink(nativePath(path).c_str()) != 0)
        throw platform::Error::fromErrno(errno, path);
}

bool Files::exists(const QString& path) const {
    return platform::pathExists(path);
}

Files& systemFiles() {
    static Files files;
    return files;
}

} // namespace storage
