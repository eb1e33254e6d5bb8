// An empty main window that leaves as soon as it is shown, exactly like the program does
// under TOMOEA_EXIT_AFTER_SHOW: the floor that start-up time is compared with.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.show();
    // Leaves at once, without the exit save: only the way to the shown window is timed.
    if (qEnvironmentVariableIsSet("TOMOEA_EXIT_AFTER_SHOW"))
        QTimer::singleShot(0, &application, [] { std::_Exit(EXIT_SUCCESS); });
    return application.exec();
}
