#include "ui/dialogs/title_list_model.h"

#include "core/title_search.h"

#include <algorithm>

namespace ui {

void TitleListModel::setLines(QList<storage::TitleLine> lines) {
    beginResetModel();
    m_lines = std::move(lines);
    QStringList titles;
    titles.reserve(m_lines.size());
    for (const storage::TitleLine& line : std::as_const(m_lines))
        titles << line.title;
    m_folded = core::foldTitles(titles);
    applyQuery();
    endResetModel();
}

void TitleListModel::narrow(const QString& query) {
    beginResetModel();
    m_query = query;
    applyQuery();
    endResetModel();
}

void TitleListModel::applyQuery() {
    m_shown = core::narrowTitles(m_folded, m_query);
    m_narrowed = !core::foldForSearch(m_query).isEmpty();
}

int TitleListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant TitleListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_shown.size())
        return {};
    const storage::TitleLine& line = m_lines.at(m_shown.at(index.row()));
    switch (role) {
    case Qt::DisplayRole:
        return line.title;
    case SavedDateRole:
    case Qt::AccessibleDescriptionRole:
        return line.savedAt.isValid() ? line.savedAt.toString(QStringLiteral("yyyy/MM/dd"))
                                      : QString();
    default:
        return {};
    }
}

int TitleListModel::rowOfLine(int line) const {
    const auto found = std::lower_bound(m_shown.begin(), m_shown.end(), line);
    return found != m_shown.end() && *found == line ? int(found - m_shown.begin()) : -1;
}

QString narrowingSummary(const TitleListModel& model) {
    if (!model.isNarrowed())
        return QStringLiteral("%1 件").arg(model.lineCount());
    if (model.rowCount() == 0)
        return QStringLiteral("一致するタイトルはありません");
    return QStringLiteral("%1 件中 %2 件").arg(model.lineCount()).arg(model.rowCount());
}

} // namespace ui
