#include "trash.h"

#include "error.h"
#include "platform/native_file.h"
#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>

namespace platform {
namespace {

// Qt falls back on the home trash last; when that cannot be made either, it takes the
// current folder for the trash. Making sure of the home trash first keeps files out of there.
bool homeTrashUsable() {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return false;
    const QString trash = dataHome + QStringLiteral("/Trash");
    return QDir().mkpath(trash) && QFileInfo(trash).isDir();
}

QString numberedName(const QString& name, int number) {
    const QFileInfo info(name);
    const QString base = info.completeBaseName();
    const QString suffix = info.suffix();
    // ".profile" and "notes" have nothing to put the number before.
    if (base.isEmpty() || suffix.isEmpty())
        return QStringLiteral("%1 (%2)").arg(name).arg(number);
    return QStringLiteral("%1 (%2).%3").arg(base).arg(number).arg(suffix);
}

QString freePathIn(const QString& folder, const QString& name) {
    QString path = folder + u'/' + name;
    for (int number = 2; pathExists(path); ++number)
        path = folder + u'/' + numberedName(name, number);
    return path;
}

} // namespace

std::optional<QString> moveToDesktopTrash(const QString& path) {
    if (!pathExists(path))
        throw Error::fromNumber(ErrorNumber::FileNotFound);
    if (!homeTrashUsable())
        return std::nullopt;
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash))
        return std::nullopt;
    return inTrash;
}

QString moveIntoFolder(const QString& path, const QString& folder) {
    if (!pathExists(path))
        throw Error::fromNumber(ErrorNumber::FileNotFound);
    if (!QDir().mkpath(folder))
        throw Error::fromNumber(ErrorNumber::PathNotFound);
    const QString target = freePathIn(folder, QFileInfo(path).fileName());
    if (std::rename(nativePath(path).constData(), nativePath(target).constData()) == 0)
        return target;
    const int error = errno;
    // Another file system: a file can still be copied there, a folder cannot.
    if (error == EXDEV && QFileInfo(path).isFile() && QFile::copy(path, target)) {
        if (QFile::remove(path))
            return target;
        QFile::remove(target);
    }
    throw Error::fromErrno(error, path);
}

Trashed moveToTrash(const QString& path, const QString& fallbackFolder) {
    if (const std::optional<QString> inTrash = moveToDesktopTrash(path))
        return {*inTrash, false};
    return {moveIntoFolder(path, fallbackFolder), true};
}

QString fallbackFolderName(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

} // namespace platform
