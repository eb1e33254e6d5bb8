// "ファイルの一覧": the file manager over the finished and listed listings.
#include "storage/file_manager.h"
#include "ui/dialogs/clean_file_dialog.h"
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"

#include <QAction>

namespace ui {
namespace {

void ShowFileManager(const Form1Context& c) {
    platform::Prompter& prompter = c.form.prompter();
    const storage::Storage storage{c.form.workspace()};
    if (!storage::FileManagerHasEntries(storage, prompter))
        return;
    // The dialog's "コピー" writes the clipboard itself; the main window never puts anything
    // back, so the copied titles stay there after the dialog has gone.
    CleanFileDialog dialog(storage, prompter, c.services.browsers, c.clipboard, &c.window);
    dialog.exec();
}

} // namespace

void connectFileManagerActions(const Form1Context& c) {
    QObject::connect(c.widgets.m_mnurelease, &QAction::triggered, &c.window,
                     [c] { ShowFileManager(c); });
}

} // namespace ui
