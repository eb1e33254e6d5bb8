#include "ui/dialogs/saved_date_delegate.h"

#include "ui/dialogs/title_list_model.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace ui {
namespace {

constexpr int kGap = 12; // between the end of a title and the date

QFont dateFont(const QFont& lineFont) {
    QFont font = lineFont;
    // A style sheet may give the size in pixels, and then the point size reads -1.
    if (lineFont.pointSizeF() > 0)
        font.setPointSizeF(lineFont.pointSizeF() * 0.85);
    else
        font.setPixelSize(std::max(1, int(lineFont.pixelSize() * 0.85)));
    return font;
}

} // namespace

void SavedDateDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    QStyleOptionViewItem line = option;
    initStyleOption(&line, index);
    const QString title = line.text;
    const QString date = index.data(TitleListModel::SavedDateRole).toString();
    const QStyle* style = line.widget ? line.widget->style() : QApplication::style();

    // The background, the selection and the focus frame as for any line, the text by hand.
    line.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &line, painter, line.widget);
    QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &line, line.widget);

    const QPalette::ColorGroup group = !(line.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (line.state & QStyle::State_Active) ? QPalette::Normal
                                                                             : QPalette::Inactive;
    const bool selected = line.state & QStyle::State_Selected;
    painter->save();
    painter->setPen(
        line.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    if (!date.isEmpty()) {
        const QFont small = dateFont(line.font);
        painter->setFont(small);
        painter->drawText(textRect, Qt::AlignRight | Qt::AlignVCenter, date);
        textRect.setRight(textRect.right() - QFontMetrics(small).horizontalAdvance(date) - kGap);
    }
    painter->setFont(line.font);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetrics(line.font).elidedText(title, Qt::ElideRight, textRect.width()));
    painter->restore();
}

} // namespace ui
