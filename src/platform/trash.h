#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// Taking the seller's files away so that they can be taken back: the desktop trash, or a
// folder of the program's own where there is none.
namespace platform {

// Moves a file or a folder to the desktop trash, which keeps a note of where it was (the
// freedesktop.org trash rules). Where it is now, or nothing when no trash can take it.
// Throws Error 53 when there is nothing at `path`.
std::optional<QString> moveToDesktopTrash(const QString& path);

// Moves a file or a folder into `folder`, made when missing, under its own name or, when
// that is taken, "name (2).ext", "name (3).ext" and so on. Where it is now. Throws Error.
QString moveIntoFolder(const QString& path, const QString& folder);

// Where something taken away went.
struct Trashed {
    QString path;
    bool inFallbackFolder = false;
};

// The desktop trash, or `fallbackFolder` when no trash can take `path`. Throws Error.
Trashed moveToTrash(const QString& path, const QString& fallbackFolder);

// The name of a fallback folder made at `time`: "yyyyMMdd-HHmmss".
QString fallbackFolderName(const QDateTime& time);

} // namespace platform
