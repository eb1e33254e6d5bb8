#include "files.h"

#include "platform/error.h"
#include "platform/native_file.h"
#include "platform/safe_file.h"
#include "platform/text_file.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace storage {
namespace {} // namespace

QByteArray Files::read(const QString& path) {
    return platform::readFileBytes(path);
}

void Files::write(const QString& path, QByteArrayView bytes) {
    platform::writeFileAtomically(path, bytes);
}

void Files::copy(const QString& from, const QString& to) {
    write(to, read(from));
}

void Files::move(const QString& from, const QString& to) {
    if (std::rename(platform::nativePath(from).constData(), platform::nativePath(to).constData()) ==
        0)
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
    if (::unlink(platform::nativePath(path).constData()) != 0)
        throw platform::Error::fromErrno(errno, path);
}

platform::Trashed Files::moveToTrash(const QString& path, const QString& fallbackFolder) {
    return platform::moveToTrash(path, fallbackFolder);
}

bool Files::exists(const QString& path) const {
    return platform::pathExists(path);
}

Files& systemFiles() {
    static Files files;
    return files;
}

} // namespace storage
