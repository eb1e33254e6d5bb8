#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <sys/stat.h>

namespace backup {

struct WorkspaceEntry {
    QString path;        // full path
    QByteArray relative; // below the application folder, UTF-8
    struct stat info;    // of the file a link points to
};

// Visits each workspace folder that exists and everything below it, folders before their
// contents, until `visit` returns false (then false). Links to files are followed; a link to
// a folder, a dangling link or anything that is neither file nor folder throws, since an
// archive cannot hold it and leaving it out would lose data unseen.
bool walkWorkspace(const QString& applicationFolder,
                   const std::function<bool(const WorkspaceEntry&)>& visit);

} // namespace backup
