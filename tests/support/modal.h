#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

// Acts on the modal dialog of type Dialog that the code under test is about to open, as soon
// as its event loop runs. When no such dialog shows up, the test fails and every open modal
// window is closed, so the test ends instead of hanging.
template <typename Dialog> void whenModalOpens(std::function<void(Dialog*)> act) {
    QTimer::singleShot(0, qApp, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog) {
            act(dialog);
            return;
        }
        ADD_FAILURE() << "no modal " << Dialog::staticMetaObject.className() << " opened";
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
}
