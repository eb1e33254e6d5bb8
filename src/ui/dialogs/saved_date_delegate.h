#pragma once

#include <QStyledItemDelegate>

namespace ui {

// Draws a list line as its title with the saved date right-aligned in a smaller type; a long
// title is cut short before the date rather than running under it.
class SavedDateDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace ui
