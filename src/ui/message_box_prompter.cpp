#include "message_box_prompter.h"

#include <QMessageBox>

namespace ui {
namespace {

QMessageBox::StandardButton show(QWidget* parent, const QString& text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TomoeA"), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void MessageBoxPrompter::inform(const QString& text) {
    show(m_parent, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool MessageBoxPrompter::ask(const QString& text) {
    return show(m_parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) !=
           QMessageBox::No;
}

} // namespace ui
