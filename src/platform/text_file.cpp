#include "text_file.h"

#include "error.h"
#include "platform/native_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

QByteArray readFileBytes(const QString& path, qsizetype limit) {
    FileDescriptor fd(::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw Error::fromErrno(errno, path);
    struct stat info {};
    const bool known = ::fstat(fd.get(), &info) == 0;
    if (known && S_ISDIR(info.st_mode))
        throw Error::fromNumber(ErrorNumber::PathFileAccessError);
    QByteArray bytes;
    // One buffer of the file's size: the listing index is read whole at every change.
    if (known && S_ISREG(info.st_mode))
        bytes.reserve(limit < 0 ? qsizetype(info.st_size)
                                : std::min(limit, qsizetype(info.st_size)));
    char buffer[16384];
    while (limit < 0 || bytes.size() < limit) {
        const size_t wanted =
            limit < 0 ? sizeof buffer : std::min(sizeof buffer, size_t(limit - bytes.size()));
        const ssize_t n = ::read(fd.get(), buffer, wanted);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Error::fromErrno(errno, path);
        }
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}

QString readText(const QString& path) {
    return fromCp932(readFileBytes(path));
}

QStringList readTextLines(const QString& path) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = readText(path).split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void writeTextLines(const QString& path, const QStringList& lines, Unmappable mode) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toCp932(line, mode);
        bytes += "\r\n";
    }
    writeFileAtomically(path, bytes);
}

QString withCrLf(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QString result = text;
    return result.replace(lineEnd, QStringLiteral("\r\n"));
}

void writeText(const QString& path, const QString& text, Unmappable mode) {
    writeFileAtomically(path, toCp932(withCrLf(text), mode));
}

bool pathExists(const QString& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::path(nativePath(path).toStdString()), error);
}

} // namespace platform
