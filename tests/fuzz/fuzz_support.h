#pragma once

#include "platform/error.h"
#include "platform/prompter.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

// What the fuzz targets share: a scratch folder for readers that take a path, and a check
// that stops the run like a crash, so libFuzzer keeps the input.
namespace fuzz {

inline QByteArray bytesOf(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// One folder for the whole run; each input overwrites the files in it.
inline const QString& scratchFolder() {
    static QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "no scratch folder\n");
        std::abort();
    }
    static const QString path = folder.path();
    return path;
}

inline QString scratchPath(const QString& relative) {
    return scratchFolder() + u'/' + relative;
}

// Plain POSIX writes: the targets write a file for every input.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.section(u'/', 0, -2));
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0 || ::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size()) {
        std::perror("scratch file");
        std::abort();
    }
    ::close(fd);
}

[[noreturn]] inline void fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

// Answers nothing and shows nothing: the page assembly reports through it.
class SilentPrompter : public platform::Prompter {
public:
    void inform(const QString&) override {}
    bool ask(const QString&) override { return false; }
};

} // namespace fuzz

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::fuzz::fail(#condition, __FILE__, __LINE__);                                          \
    } while (false)
