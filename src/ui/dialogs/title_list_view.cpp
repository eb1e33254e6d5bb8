#include "ui/dialogs/title_list_view.h"

#include "ui/dialogs/saved_date_delegate.h"
#include "ui/dialogs/title_list_model.h"

#include <algorithm>

namespace ui {

TitleListView::TitleListView(QWidget* parent)
    : QListView(parent), m_model(new TitleListModel(this)) {
    setModel(m_model);
    setItemDelegate(new SavedDateDelegate(this));
    // Every line is one line of text: this keeps a long index cheap to show and to narrow.
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void TitleListView::setLines(QList<storage::TitleLine> lines) {
    m_model->setLines(std::move(lines));
    reselect({}, 0);
    emit narrowed();
}

void TitleListView::narrow(const QString& query) {
    const QModelIndex current = currentIndex();
    const int currentLine = current.isValid() ? m_model->lineOfRow(current.row()) : -1;
    const QList<int> lines = selectedLines();
    m_model->narrow(query);
    reselect(lines, currentLine);
    emit narrowed();
}

QList<int> TitleListView::selectedLines() const {
    QList<int> lines;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        lines << m_model->lineOfRow(index.row());
    std::sort(lines.begin(), lines.end());
    return lines;
}

// Selects the shown ones of `lines` (sorted), a run of neighbouring rows as one range so a
// long selection stays cheap, and makes `currentLine` current, or the top line when hidden.
void TitleListView::reselect(const QList<int>& lines, int currentLine) {
    QItemSelection selection;
    int first = -1;
    int last = -1;
    const auto close = [&] {
        if (first >= 0)
            selection.select(m_model->index(first), m_model->index(last));
    };
    for (int line : lines) {
        const int row = m_model->rowOfLine(line);
        if (row < 0)
            continue;
        if (row != last + 1 || first < 0) {
            close();
            first = row;
        }
        last = row;
    }
    close();
    const int currentRow = std::max(0, m_model->rowOfLine(currentLine));
    if (currentRow < m_model->rowCount())
        selectionModel()->setCurrentIndex(m_model->index(currentRow),
                                          QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

QStringList TitleListView::shownTitles() const {
    QStringList titles;
    for (int row = 0; row < m_model->rowCount(); ++row)
        titles << m_model->index(row).data().toString();
    return titles;
}

QStringList TitleListView::selectedTitles() const {
    QStringList titles;
    for (int line : selectedLines())
        titles << m_model->index(m_model->rowOfLine(line)).data().toString();
    return titles;
}

} // namespace ui
