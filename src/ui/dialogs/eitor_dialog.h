#pragma once

#include "platform/dialogs.h"
#include "platform/prompter.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

// "エディタの設定": the notepad or the seller's own program for the phrase files, kept as
// editor and myeditor in auction.ini's Section設定. It cannot be closed, in any way, while
// Text1 names no existing file.
class EitorDialog : public QDialog {
    Q_OBJECT
public:
    // Reads the two keys and shows them; a stored program that no longer exists is
    // reported at once.
    EitorDialog(const QString& applicationFolder, platform::Prompter& prompter,
                platform::Dialogs& dialogs, QWidget* parent = nullptr);

    void done(int result) override;

private:
    void browse();
    void onOk();
    // True when Text1 is empty or names a file; otherwise tells the seller.
    bool pathAcceptable() const;

    QString m_applicationFolder;
    platform::Prompter& m_prompter;
    platform::Dialogs& m_dialogs;
    int m_option = 0;

    QLabel* m_Label1 = nullptr;
    std::array<QRadioButton*, 2> m_Option1{};
    QLineEdit* m_Text1 = nullptr;
    QPushButton* m_Command1 = nullptr;
    QPushButton* m_OKButton = nullptr;
    QPushButton* m_CancelButton = nullptr;
};

} // namespace ui
