#pragma once

#include "core/workspace.h"
#include "page_check.h"

#include <QObject>
#include <functional>

namespace check {

// Checks the page file at `pagePath` (as checkPageFile) on a thread of its own and hands the
// findings to `show` on the thread of `receiver` once they are ready, so the window stays
// responsive however long a page takes. Nothing is handed over when the page cannot be read,
// or when `receiver` is gone by then.
void checkPageFileLater(const core::Workspace& workspace, const QString& pagePath,
                        QObject* receiver, std::function<void(const QList<Finding>&)> show);

} // namespace check
