#include "ui/widgets/named_combo_box.h"

#include "ui/widgets/accessible_interfaces.h"

#include <QAccessible>

namespace ui {

NamedComboBox::NamedComboBox(QWidget* parent) : QComboBox(parent) {
    installAccessibleInterfaces();
    connect(this, &QComboBox::currentIndexChanged, this, &NamedComboBox::announceShownEntry);
}

QString NamedComboBox::shownEntry() const {
    return currentIndex() < 0 ? placeholderText() : currentText();
}

void NamedComboBox::announceShownEntry() {
    QString shown = shownEntry();
    if (shown == m_announced)
        return;
    // A screen reader keeps no copy of the text, but it speaks a change it is told about.
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, m_announced, shown);
        QAccessible::updateAccessibility(&event);
    }
    m_announced = std::move(shown);
}

} // namespace ui
