#pragma once

#include "storage/listing_index.h"

#include <QListView>
#include <QStringList>

namespace ui {

class TitleListModel;

// A list of kept listings that the seller can narrow by title: each line shows the title
// and, at the right, the saved date. Narrowing keeps the selection of the lines still shown
// and drops that of the lines it hides, so an action never reaches a line out of sight.
class TitleListView : public QListView {
    Q_OBJECT
public:
    explicit TitleListView(QWidget* parent = nullptr);

    // New lines, narrowed by the search text already set; the top line becomes current
    // without being selected, so Space and the arrow keys start from there.
    void setLines(QList<storage::TitleLine> lines);
    void narrow(const QString& query);

    const TitleListModel& titles() const { return *m_model; }
    // The shown lines' titles, from the top.
    QStringList shownTitles() const;
    // The selected lines' titles, from the top.
    QStringList selectedTitles() const;

signals:
    void narrowed();

private:
    QList<int> selectedLines() const;
    void reselect(const QList<int>& lines, int currentLine);

    TitleListModel* m_model;
};

} // namespace ui
