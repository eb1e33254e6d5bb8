#pragma once

#include "storage/listing_index.h"

#include <QAbstractListModel>
#include <QList>
#include <QStringList>

namespace ui {

// The lines of a list of kept listings in index order, narrowed to the titles that contain
// the seller's search text. Rows are the shown lines; a line is a position in the whole list.
class TitleListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The saved date as the list shows it after the title; empty when the index has none.
    static constexpr int SavedDateRole = Qt::UserRole + 1;

    using QAbstractListModel::QAbstractListModel;

    // Replaces the lines and narrows them by the search text already set.
    void setLines(QList<storage::TitleLine> lines);
    void narrow(const QString& query);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int lineCount() const { return int(m_lines.size()); }
    bool isNarrowed() const { return m_narrowed; }
    int lineOfRow(int row) const { return m_shown.at(row); }
    // The row showing `line`, or -1 while it is narrowed away.
    int rowOfLine(int line) const;

private:
    void applyQuery();

    QList<storage::TitleLine> m_lines;
    QStringList m_folded; // m_lines' titles folded once for narrowing
    QString m_query;
    bool m_narrowed = false;
    QList<int> m_shown;
};

// The heading over a list: "6 件", "6 件中 3 件" while narrowed, or that nothing matched.
QString narrowingSummary(const TitleListModel& model);

} // namespace ui
