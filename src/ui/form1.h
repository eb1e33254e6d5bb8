#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/prompter.h"

#include <QMainWindow>

class QTabWidget;

namespace ui {

// What the main window works with; owned by whoever creates the window.
struct Form1Services {
    QString applicationFolder;
    platform::Prompter* prompter = nullptr;
    platform::Dialogs* dialogs = nullptr;
    platform::Clock* clock = nullptr;
};

class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const Form1Services& services, QWidget* parent = nullptr);

private:
    Form1Services m_services;
    QTabWidget* m_SSTab1 = nullptr;
};

} // namespace ui
