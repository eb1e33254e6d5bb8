#pragma once

#include "storage/listing_index.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace ui {

class TitleListView;
class TitleSearchBox;

// "完成ファイルを開く": the finished listings in index order, which a search box narrows by
// title; the seller picks one (or types it) and the dialog hands back the title to open.
class OpenCMPDialog : public QDialog {
    Q_OBJECT
public:
    explicit OpenCMPDialog(QList<storage::TitleLine> finished, QWidget* parent = nullptr);

    // The title of Text1 when the seller pressed "開く"; empty after a cancel.
    const QString& chosenTitle() const { return m_chosenTitle; }

private:
    void takeLine(const QModelIndex& line);
    // Not open(): that would replace QDialog::open() for whoever shows the dialog.
    void openChosen();

    TitleSearchBox* m_searchBox;
    QLabel* m_narrowingCount;
    TitleListView* m_List1;
    QLineEdit* m_Text1;
    QString m_chosenTitle;
};

} // namespace ui
