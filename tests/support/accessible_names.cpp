#include "accessible_names.h"

#include <QHash>
#include <QSet>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// Roles of what a user types into, chooses, presses or reads; containers, scroll bars and
// menu bars are walked through instead.
bool isControlRole(QAccessible::Role role) {
    switch (role) {
    case QAccessible::EditableText:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::Button:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::ProgressBar:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::PageTabList:
    case QAccessible::StaticText:
    case QAccessible::Graphic:
        return true;
    default:
        return false;
    }
}

void collect(QAccessibleInterface* node, QSet<QWidget*>& seen,
             std::vector<AccessibleControl>& found) {
    if (node == nullptr || !node->isValid())
        return;
    auto* widget = qobject_cast<QWidget*>(node->object());
    if (widget != nullptr && !widget->isVisible())
        return;
    if (widget != nullptr && isControlRole(node->role())) {
        // The parts of a control (a combo box's list, an edit's scroll bars) belong to it.
        if (widget->isEnabled() && !seen.contains(widget)) {
            seen.insert(widget);
            const bool caption =
                node->role() == QAccessible::StaticText && widget->accessibleName().isEmpty();
            found.push_back({widget, node->role(), node->text(QAccessible::Name),
                             node->text(QAccessible::Value), caption});
        }
        return;
    }
    for (int i = 0; i < node->childCount(); ++i)
        collect(node->child(i), seen, found);
}

} // namespace

void PrintTo(const AccessibleControl& control, std::ostream* os) {
    *os << (control.widget ? control.widget->objectName().toStdString() : std::string("?")) << " \""
        << control.name.toStdString() << "\"";
}

std::vector<AccessibleControl> accessibleControls(QWidget* window) {
    QSet<QWidget*> seen;
    std::vector<AccessibleControl> found;
    collect(QAccessible::queryAccessibleInterface(window), seen, found);
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        const int selected = tabs->currentIndex();
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            collect(QAccessible::queryAccessibleInterface(window), seen, found);
        }
        tabs->setCurrentIndex(selected);
    }
    return found;
}

void expectAccessibleNamesComplete(QWidget* window) {
    const std::vector<AccessibleControl> controls = accessibleControls(window);
    // A walk that finds nothing would pass whatever the names were.
    EXPECT_FALSE(controls.empty())
        << "no controls found below " << window->objectName().toStdString();
    QHash<QString, QString> owners;
    for (const AccessibleControl& control : controls) {
        const QString objectName = control.widget->objectName();
        EXPECT_FALSE(control.name.trimmed().isEmpty())
            << "no accessible name: " << objectName.toStdString() << " ("
            << control.widget->metaObject()->className() << ")";
        if (control.caption || control.name.isEmpty())
            continue;
        if (owners.contains(control.name)) {
            ADD_FAILURE() << "\"" << control.name.toStdString() << "\" names both "
                          << owners.value(control.name).toStdString() << " and "
                          << objectName.toStdString();
        }
        owners.insert(control.name, objectName);
    }
}
