#include "ui/desktop/busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScopeGuard>

namespace ui {
namespace {

void showBusy() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

// Back to the cursor the seller had until the returned guard ends.
auto liftedUntilDone() {
    QGuiApplication::restoreOverrideCursor();
    return qScopeGuard(showBusy);
}

} // namespace

BusyCursor::BusyCursor(platform::Prompter& messages) : m_messages(messages) {
    showBusy();
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

void BusyCursor::inform(const QString& text) {
    const auto lifted = liftedUntilDone();
    m_messages.inform(text);
}

bool BusyCursor::ask(const QString& text) {
    const auto lifted = liftedUntilDone();
    return m_messages.ask(text);
}

} // namespace ui
