#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

// The web engine's tests run as the program does: the engine is loaded after the
// application exists, and the tests run inside its event loop, so the clean-up the module
// does when the application quits takes place.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    int result = 1;
    QTimer::singleShot(0, &app, [&] {
        result = RUN_ALL_TESTS();
        QCoreApplication::quit();
    });
    QApplication::exec();
    return result;
}
