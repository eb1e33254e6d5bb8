#pragma once

#include "ui/form1/form1_controls.h"

#include <QWidget>

namespace ui {

// A widget for a table entry (any kind but the menu kinds): the class of its kind, its
// objectName, caption, accessible name, and hidden when the entry says so.
QWidget* createControl(const ControlEntry& entry, QWidget* parent);

// The widget of the table entry `name`, as the class its kind stands for.
template <typename Widget> Widget* createControlOf(QStringView name, QWidget* parent) {
    auto* widget = qobject_cast<Widget*>(createControl(form1Control(name), parent));
    Q_ASSERT(widget != nullptr);
    return widget;
}

} // namespace ui
