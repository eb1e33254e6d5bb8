#include "ui/desktop/system_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace ui {

QString SystemClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}

void SystemClipboard::setText(const QString& text) {
    // Replaces every format the clipboard held, not only its text.
    QGuiApplication::clipboard()->setText(text);
}

} // namespace ui
