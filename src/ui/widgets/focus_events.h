#pragma once

#include <functional>

class QWidget;

namespace ui {

// Runs `action` each time `widget` gains (or loses) the keyboard focus. Unlike
// editingFinished, leaving a field whose text did not change counts too.
void onFocusIn(QWidget* widget, std::function<void()> action);
void onFocusOut(QWidget* widget, std::function<void()> action);

} // namespace ui
