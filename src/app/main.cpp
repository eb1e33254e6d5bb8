#include "exit_hooks.h"
#include "platform/application_folder.h"
#include "platform/clock.h"
#include "qt_translations.h"
#include "start_up.h"
#include "ui/desktop/app_style.h"
#include "ui/desktop/message_box_prompter.h"
#include "ui/desktop/qt_dialogs.h"
#include "web/webengine_loader.h"

#include <QApplication>
#include <QPointer>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ui::applyApplicationStyle(application);
    app::installJapaneseQtTranslations(application);

    ui::MessageBoxPrompter prompter;
    ui::QtDialogs dialogs;
    platform::SystemClock clock;
    // Loads the web engine only when the first page is shown.
    web::WebEngineLoader browsers;
    const ui::Form1Services services{platform::applicationFolder(), &prompter, &dialogs, &clock,
                                     &browsers};

    // A QPointer, because the window may delete itself when it closes.
    QPointer<ui::Form1> window = app::StartUp(services).release();
    if (!window)
        return EXIT_FAILURE;
    prompter.setParent(window);
    dialogs.setParent(window);

    app::installExitHooks(*window);

    const int exitCode = application.exec();
    delete window;
    return exitCode;
}
