#pragma once

#include "backup.h"

#include <functional>

namespace backup {

// createBackup() with one more say: `beforeClosing` is asked once every entry is written and
// before the archive is closed and put in place; false cancels it. The restore uses it to
// hold its automatic backup open until the seller has seen that step through.
Outcome writeBackup(const QString& applicationFolder, const QString& archivePath,
                    const platform::Clock& clock, const ProgressCallback& progress,
                    const std::function<bool()>& beforeClosing);

} // namespace backup
