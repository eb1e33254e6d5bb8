#include "exit_hooks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace app {

namespace {

constexpr int kPreviewWaitMs = 60'000;

// The preview's window, once its page has loaded: the page's title is then in the window's.
bool previewShown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("BrowserWindow") && widget->isVisible() &&
            widget->windowTitle().contains(QLatin1String(" - ")))
            return true;
    return false;
}

QMessageBox* shownMessage() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            return box;
    return nullptr;
}

void exitAfterPreview(QWidget& mainWindow) {
    // Polled, because the preview may instead bring up a modal message with its own loop.
    auto* poll = new QTimer(&mainWindow);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(poll, &QTimer::timeout, poll, [waited] {
        if (previewShown()) {
            std::fputs("preview shown\n", stdout);
            std::fflush(stdout);
            std::_Exit(EXIT_SUCCESS);
        }
        if (QMessageBox* box = shownMessage()) {
            std::fprintf(stderr, "message instead of the preview: %s\n", qPrintable(box->text()));
            std::_Exit(2);
        }
        if (waited.hasExpired(kPreviewWaitMs)) {
            std::fputs("no preview within a minute\n", stderr);
            std::_Exit(EXIT_FAILURE);
        }
    });
    poll->start(100);
    QTimer::singleShot(0, &mainWindow, [&mainWindow] {
        if (auto* title = mainWindow.findChild<QLineEdit*>(QStringLiteral("TextBoxタイトル")))
            title->setText(QStringLiteral("動作確認の商品"));
        if (auto* preview = mainWindow.findChild<QPushButton*>(QStringLiteral("ButtonPreview")))
            preview->click();
    });
}

} // namespace

void installExitHooks(QWidget& mainWindow) {
    if (qEnvironmentVariableIsSet("TOMOEA_EXIT_AFTER_SHOW"))
        QTimer::singleShot(0, &mainWindow, [] { std::_Exit(EXIT_SUCCESS); });
    else if (qEnvironmentVariableIsSet("TOMOEA_EXIT_AFTER_PREVIEW"))
        exitAfterPreview(mainWindow);
}

} // namespace app
