#include "ui/desktop/message_box_prompter.h"

#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

// The Japanese texts are set here rather than left to Qt's catalogue, so the buttons read
// the same even where Qt's translations are not installed. The style's pictures on standard
// buttons go: the boxes are plain text and buttons.
void addButton(QMessageBox& box, QMessageBox::StandardButton button, const QString& text) {
    QPushButton* added = box.addButton(button);
    added->setText(text);
    added->setIcon(QIcon());
}

} // namespace

void MessageBoxPrompter::inform(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TomoeA"), text, QMessageBox::NoButton,
                    m_parent);
    addButton(box, QMessageBox::Ok, QStringLiteral("OK"));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool MessageBoxPrompter::ask(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("TomoeA"), text, QMessageBox::NoButton,
                    m_parent);
    addButton(box, QMessageBox::Yes, QStringLiteral("はい(&Y)"));
    addButton(box, QMessageBox::No, QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    // The action goes ahead unless the answer is No (Escape and closing the box say No).
    return box.exec() != QMessageBox::No;
}

} // namespace ui
