#pragma once

#include "backup/backup.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <optional>

class QWidget;

namespace ui {

// The progress dialog of a backup or a restore, window-modal over `parent`: a label for
// each step, a bar and a cancel button. It appears only when the work takes a moment.
class BackupProgress {
public:
    explicit BackupProgress(QWidget* parent);
    ~BackupProgress();
    BackupProgress(const BackupProgress&) = delete;
    BackupProgress& operator=(const BackupProgress&) = delete;

    // For the backup functions; false once the seller has cancelled.
    backup::ProgressCallback callback();
    bool report(const backup::Progress& progress);
    // Hides the dialog, before a question or a message is shown.
    void finish();

private:
    QPointer<QProgressDialog> m_dialog;
    QElapsedTimer m_sinceUpdate;
    std::optional<backup::Step> m_step;
};

} // namespace ui
