#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// What the system's file calls are handed.
namespace platform {

// How much of a file is read or written at a time by the code that streams files.
inline constexpr qsizetype kFileBlockSize = 64 * 1024;

// A path as the system's file calls take it.
inline QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

} // namespace platform
