#pragma once

#include "core/workspace.h"
#include "platform/trash.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace storage {

// Every file operation on the listing data goes through here, so a test can make any one of
// them fail. Failures throw platform::Error: 53 for a missing file, 76 for a missing folder.
class Files {
public:
    virtual ~Files() = default;

    virtual QByteArray read(const QString& path);
    // Replaces the file as a whole (platform::writeFileAtomically): a crash leaves the old
    // content or the new, never half, and a replaced file keeps its permissions.
    virtual void write(const QString& path, QByteArrayView bytes);
    // Replaces a file of the target's name.
    virtual void copy(const QString& from, const QString& to);
    // Replaces a file of the target's name; a rename when both are on one file system.
    virtual void move(const QString& from, const QString& to);
    virtual void remove(const QString& path);
    // The desktop trash, or `fallbackFolder` where there is none (platform::moveToTrash).
    virtual platform::Trashed moveToTrash(const QString& path, const QString& fallbackFolder);
    virtual bool exists(const QString& path) const;
};

// The real file system.
Files& systemFiles();

// The application folder whose listing files an operation works on, and how it touches them.
struct Storage {
    core::Workspace workspace;
    Files* files = &systemFiles();

    QString path(QStringView relative) const { return workspace.path(relative); }
};

} // namespace storage
