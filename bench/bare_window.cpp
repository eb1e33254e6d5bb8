// The baselines of the start-up benchmark: an empty main window, and with --japanese the same
// window in the program's style and font showing one Japanese caption, the least any Japanese
// window pays (loading the CJK font). Both leave as soon as they are shown, exactly like the
// program does under TOMOEA_EXIT_AFTER_SHOW.
#include "ui/desktop/app_style.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool japanese = argc > 1 && std::strcmp(argv[1], "--japanese") == 0;
    if (japanese)
        ui::applyApplicationStyle(application);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    if (japanese)
        window.setCentralWidget(new QLabel(QStringLiteral("商品情報")));
    window.show();
    // Leaves at once: only the way to the shown window is timed.
    if (qEnvironmentVariableIsSet("TOMOEA_EXIT_AFTER_SHOW"))
        QTimer::singleShot(0, &application, [] { std::_Exit(EXIT_SUCCESS); });
    return application.exec();
}
