#pragma once

#include "files.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// What a crash of the program can leave in the listing data, and the start-up step that
// puts it right before anything else reads the workspace.
namespace storage {

// Whether `fileName` is a file that a replace-by-rename write left behind when it was cut
// short (the target's name, ".", six random letters or digits). Every writer of the program
// names its temporary files this way; this is the one place that knows the pattern.
bool isStrayTemporary(QStringView fileName);

// Removes the stray temporary files directly inside `folder` (not below it), passing over
// one that cannot be removed. A missing folder has none.
void removeStrayTemporaries(const QString& folder);

// Finishes a file-manager move or deletion that was cut short, then removes the stray
// temporary files of the workspace folders. The next index (data/tm2.dat) is always whole
// and stays, as it does between runs anyway. What the seller is told, one text for each
// repair; empty when there was nothing to say. Never throws.
QStringList RepairInterruptedWork(const Storage& storage);

} // namespace storage
