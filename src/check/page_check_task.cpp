#include "page_check_task.h"

#include "page_file_check.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>
#include <optional>

namespace check {

void checkPageFileLater(const core::Workspace& workspace, const QString& pagePath,
                        QObject* receiver, std::function<void(const QList<Finding>&)> show) {
    using Result = std::optional<QList<Finding>>;
    // A child of the receiver: gone with it, and with it the hand-over.
    auto* watcher = new QFutureWatcher<Result>(receiver);
    QObject::connect(watcher, &QFutureWatcher<Result>::finished, watcher,
                     [watcher, show = std::move(show)] {
                         watcher->deleteLater();
                         if (const Result findings = watcher->result())
                             show(*findings);
                     });
    watcher->setFuture(QtConcurrent::run([workspace, pagePath]() -> Result {
        try {
            return checkPageFile(workspace, pagePath);
        } catch (...) {
            return std::nullopt; // only the settings could throw; the check just advises
        }
    }));
}

} // namespace check
