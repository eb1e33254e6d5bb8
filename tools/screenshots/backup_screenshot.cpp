// Developer tool, not a test: pictures of the file menu with the backup entries and of the
// progress dialog of a backup, to look at with real fonts under Xvfb.
//   backup_screenshot <output folder>
#include "default_text_files.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "screenshot_tool.h"
#include "ui/desktop/app_style.h"
#include "ui/dialogs/backup_progress.h"
#include "ui/form1/form1.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

bool saveScreen(QWidget& window, const QString& file) {
    QTest::qWait(300);
    if (!window.screen()->grabWindow(0).save(file))
        return false;
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ui::applyApplicationStyle(application);
    const QString output = screenshotFolder(argc, argv, QStringLiteral("screenshots"));

    QTemporaryDir workspace;
    writeDefaultTextFiles(workspace.path());
    writeFirstRunProfiles(workspace.path());
    PrintingPrompter prompter;
    platform::SystemClock clock;
    ui::Form1 form(ui::Form1Services{workspace.path(), &prompter, nullptr, &clock});
    form.move(0, 0);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;

    auto* menu = form.findChild<QMenu*>(QStringLiteral("mnuFile"));
    menu->popup(form.mapToGlobal(QPoint(0, 0)));
    menu->setActiveAction(form.findChild<QAction*>(QStringLiteral("mnuBackup")));
    if (!saveScreen(form, output + QStringLiteral("/backup_menu.png")))
        return 1;
    menu->hide();

    ui::BackupProgress progress(&form);
    progress.report({backup::Step::Archiving, 0, 1000});
    QTest::qWait(700);
    progress.report({backup::Step::Archiving, 420, 1000});
    return saveScreen(form, output + QStringLiteral("/backup_progress.png")) ? 0 : 1;
}
