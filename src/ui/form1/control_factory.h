#pragma once

#include "content/form1_controls.h"

#include <QWidget>

namespace ui {

// A widget for a table entry (any kind but the menu kinds): the class of its kind, its
// objectName, caption, accessible name, and hidden when the entry says so.
QWidget* createControl(const content::ControlEntry& entry, QWidget* parent);

} // namespace ui
