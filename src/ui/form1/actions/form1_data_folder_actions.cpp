// The data folder: shown in the desktop's file manager, for the seller who wants to copy,
// back up or edit the files by hand.
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"

#include <QAction>
#include <QDir>

namespace ui {
namespace {

void openDataFolder(const Form1Context& c) {
    const QString folder = c.services.applicationFolder;
    if (c.services.dialogs && c.services.dialogs->openFolder(folder))
        return;
    c.form.prompter().inform(QStringLiteral("データのフォルダーを開けませんでした。\n") +
                             QDir::toNativeSeparators(folder));
}

} // namespace

void connectDataFolderActions(const Form1Context& c) {
    QObject::connect(c.widgets.m_mnuDataFolder, &QAction::triggered, &c.window,
                     [c] { openDataFolder(c); });
}

} // namespace ui
