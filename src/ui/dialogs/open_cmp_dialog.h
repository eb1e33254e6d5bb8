#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace ui {

// "完成ファイルを開く": the titles of the finished listings in index order; the seller picks
// one (or types it) and the dialog hands back the title to open.
class OpenCMPDialog : public QDialog {
    Q_OBJECT
public:
    explicit OpenCMPDialog(const QStringList& finishedTitles, QWidget* parent = nullptr);

    // The title of Text1 when the seller pressed "開く"; empty after a cancel.
    const QString& chosenTitle() const { return m_chosenTitle; }

private:
    void takeLine(QListWidgetItem* item);
    // Not open(): that would replace QDialog::open() for whoever shows the dialog.
    void openChosen();

    QListWidget* m_List1;
    QLineEdit* m_Text1;
    QString m_chosenTitle;
};

} // namespace ui
