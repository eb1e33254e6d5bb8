// The backup entries of the file menu: one archive of the whole workspace, and the restore
// that replaces the workspace with one after showing what it holds. Both show a progress
// dialog that can cancel; the window reads the workspace again after a restore.
#include "aids/phrase_editing.h"
#include "backup/backup.h"
#include "core/message_tags.h"
#include "ui/desktop/busy_cursor.h"
#include "ui/dialogs/backup_progress.h"
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace ui {

namespace {

// The tags of the two actions' failure messages, "description (TAG number)".
constexpr QStringView kArchiveFilter = u"バックアップファイル|*.zip";

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The chosen name with ".zip" added when the seller left it out; nothing when that names
// an existing file that the seller does not want replaced (the dialog only asked about
// the name as typed).
std::optional<QString> archivePathFor(const Form1Context& c, QString chosen) {
    if (chosen.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive))
        return chosen;
    chosen += QStringLiteral(".zip");
    if (QFileInfo::exists(chosen) &&
        !c.form.prompter().ask(
            QStringLiteral("%1 は既にあります。\n置き換えますか？").arg(shownPath(chosen))))
        return std::nullopt;
    return chosen;
}

void makeBackup(const Form1Context& c) {
    if (!c.services.dialogs)
        return;
    const QString suggested =
        QDir::homePath() + u'/' + backup::defaultBackupFileName(c.services.clock->now());
    const std::optional<QString> chosen = c.services.dialogs->saveFile(
        QStringLiteral("バックアップを作成"), suggested, kArchiveFilter.toString());
    if (!chosen)
        return;
    const std::optional<QString> target = archivePathFor(c, *chosen);
    if (!target)
        return;
    // The backup holds the choices on screen, not those of the last close.
    c.form.save(c.window.record());
    BackupProgress progress(&c.window);
    try {
        const backup::Outcome outcome = backup::createBackup(
            c.services.applicationFolder, *target, *c.services.clock, progress.callback());
        progress.finish();
        if (outcome == backup::Outcome::Done)
            c.form.prompter().inform(
                QStringLiteral("バックアップを作成しました。\n%1").arg(shownPath(*target)));
    } catch (const platform::Error& e) {
        progress.finish();
        c.form.prompter().inform(e.report(core::tag::Backup));
    }
}

void restoreFromBackup(const Form1Context& c) {
    if (!c.services.dialogs)
        return;
    // An open editor would later save its old text over the restored file.
    if (c.phrases.editorRunning()) {
        c.form.prompter().inform(aids::kEditorRunningMessage.toString());
        return;
    }
    const std::optional<QString> archive = c.services.dialogs->openFile(
        QStringLiteral("バックアップから復元"), QDir::homePath(), kArchiveFilter.toString());
    if (!archive)
        return;
    try {
        std::optional<backup::BackupSummary> summary;
        {
            BackupProgress checking(&c.window);
            summary = backup::inspectBackup(*archive, checking.callback());
        }
        if (!summary)
            return;
        // A restore that cannot be done is said before the question, not after it. Adding up
        // a large archive takes a moment.
        backup::CheckedArchive checked;
        {
            BusyCursor busy(c.form.prompter());
            checked = backup::checkRestoreTarget(*archive, c.services.applicationFolder);
        }
        if (!c.form.prompter().ask(backup::restoreQuestion(*summary)))
            return;
        backup::RestoreResult result;
        {
            BackupProgress restoring(&c.window);
            result = backup::restoreBackup(checked, c.services.applicationFolder, *c.services.clock,
                                           restoring.callback());
        }
        if (result.outcome == backup::Outcome::Cancelled) {
            c.form.prompter().inform(
                QStringLiteral("復元を取り消しました。データは元のままです。"));
            return;
        }
        c.window.reloadWorkspace();
        c.form.prompter().inform(QStringLiteral("復元しました。\n復元する前のデータは次のファイルに"
                                                "バックアップしてあります。\n%1")
                                     .arg(shownPath(result.automaticBackup)));
    } catch (const platform::Error& e) {
        c.form.prompter().inform(e.report(core::tag::Restore));
    }
}

} // namespace

void connectBackupActions(const Form1Context& c) {
    QObject::connect(c.widgets.m_mnuBackup, &QAction::triggered, &c.window, [c] { makeBackup(c); });
    QObject::connect(c.widgets.m_mnuRestore, &QAction::triggered, &c.window,
                     [c] { restoreFromBackup(c); });
}

} // namespace ui
