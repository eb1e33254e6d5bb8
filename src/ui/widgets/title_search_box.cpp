#include "ui/widgets/title_search_box.h"

#include <QKeyEvent>
#include <QShortcut>

namespace ui {

TitleSearchBox::TitleSearchBox(QWidget* window) : QLineEdit(window) {
    setObjectName(QStringLiteral("TitleSearchBox"));
    setPlaceholderText(QStringLiteral("タイトルで絞り込み"));
    setAccessibleName(QStringLiteral("タイトルで絞り込み"));
    auto* find = new QShortcut(QKeySequence::Find, window);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
}

void TitleSearchBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace ui
