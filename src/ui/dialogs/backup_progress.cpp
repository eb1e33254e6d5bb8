#include "ui/dialogs/backup_progress.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <limits>

namespace ui {

namespace {

// Repainting after each of thousands of small files would cost more than the files.
constexpr qint64 kUpdateIntervalMs = 100;
// Work shorter than this finishes without a dialog flashing up.
constexpr int kShowAfterMs = 500;

int clampedToInt(qint64 value) {
    return int(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}

} // namespace

BackupProgress::BackupProgress(QWidget* parent) : m_dialog(new QProgressDialog(parent)) {
    m_dialog->setObjectName(QStringLiteral("backupProgress"));
    m_dialog->setWindowTitle(QStringLiteral("TomoeA"));
    m_dialog->setAccessibleName(QStringLiteral("バックアップと復元の進み具合"));
    m_dialog->setWindowModality(Qt::WindowModal);
    // The steps follow one another in one dialog; reaching the end of one must not close it.
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumDuration(kShowAfterMs);
    m_dialog->setMinimumWidth(360);
    auto* bar = new QProgressBar(m_dialog);
    bar->setObjectName(QStringLiteral("backupProgressBar"));
    bar->setAccessibleName(QStringLiteral("進み具合"));
    m_dialog->setBar(bar);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), m_dialog);
    cancel->setObjectName(QStringLiteral("backupProgressCancel"));
    cancel->setAccessibleName(QStringLiteral("キャンセル"));
    m_dialog->setCancelButton(cancel);
    // Escape rejects a dialog, which on its own only hides this one and lets the work go on.
    QObject::connect(m_dialog, &QDialog::rejected, m_dialog, &QProgressDialog::cancel);
    m_dialog->setValue(0);
}

BackupProgress::~BackupProgress() {
    delete m_dialog.data();
}

backup::ProgressCallback BackupProgress::callback() {
    return [this](const backup::Progress& progress) { return report(progress); };
}

bool BackupProgress::report(const backup::Progress& progress) {
    if (!m_dialog)
        return false;
    const bool newStep = progress.step != m_step;
    if (newStep || !m_sinceUpdate.isValid() || m_sinceUpdate.elapsed() >= kUpdateIntervalMs) {
        if (newStep) {
            m_step = progress.step;
            m_dialog->setLabelText(backup::stepLabel(progress.step));
        }
        m_dialog->setMaximum(clampedToInt(std::max(progress.total, progress.done)));
        m_dialog->setValue(clampedToInt(progress.done));
        // Until the modal dialog is up, a click could reach the window and start another
        // action in the middle of this one.
        QCoreApplication::processEvents(m_dialog->isVisible() ? QEventLoop::AllEvents
                                                              : QEventLoop::ExcludeUserInputEvents);
        m_sinceUpdate.restart();
    }
    return m_dialog && !m_dialog->wasCanceled();
}

void BackupProgress::finish() {
    if (!m_dialog)
        return;
    // reset() also stops the timer that would show a dialog not yet shown.
    m_dialog->reset();
    m_dialog->hide();
}

} // namespace ui
