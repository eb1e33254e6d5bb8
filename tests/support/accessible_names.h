#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>
#include <ostream>
#include <vector>

// One control of a window as assistive technology sees it.
struct AccessibleControl {
    QWidget* widget = nullptr;
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QString value;
    // A static text without a name of its own (a fixed label): it is read by its text and
    // may share its words with the control it heads.
    bool caption = false;
};
void PrintTo(const AccessibleControl& control, std::ostream* os);

// Every visible, enabled control of `window` that the user works with or reads, found by
// walking Qt's accessibility interfaces from the window down. Every page of every tab
// widget is visited; the selected pages are put back afterwards.
std::vector<AccessibleControl> accessibleControls(QWidget* window);

// Fails the running test for each such control without a name, and for each name that two
// controls of the window share (fixed labels excepted).
void expectAccessibleNamesComplete(QWidget* window);
