#include "application_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace platform {

namespace {

// The package puts the web module in <prefix>/lib/tomoea. Root can write to /usr/bin, so
// the layout decides, not the permission: an installed program never keeps data there.
bool isInstalledLayout(const QString& executableFolder) {
    return QFileInfo(executableFolder + QStringLiteral("/../lib/tomoea")).isDir();
}

bool isWritableFolder(const QString& folder) {
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

} // namespace

QString chooseApplicationFolder(const QString& executableFolder, const QString& userFolder) {
    if (!isInstalledLayout(executableFolder) && isWritableFolder(executableFolder))
        return executableFolder;
    return userFolder;
}

QString userDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/TomoeA");
}

QString applicationFolder() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    const QString chosen = chooseApplicationFolder(executableFolder, userDataFolder());
    // A folder that cannot be made is reported by the workspace preparation that follows.
    if (chosen != executableFolder)
        QDir().mkpath(chosen);
    return chosen;
}

} // namespace platform
