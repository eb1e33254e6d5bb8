#pragma once

#include "platform/prompter.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class DisplayLabel;

// "パスワード変更": shows the auction ID and the stored password (masked) and stores a new
// password typed twice alike.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(const QString& applicationFolder, platform::Prompter& prompter,
                   QWidget* parent = nullptr);

private:
    void onOk();

    QString m_applicationFolder;
    platform::Prompter& m_prompter;

    DisplayLabel* m_Textyahooid = nullptr;
    QLabel* m_Label3 = nullptr;
    QLineEdit* m_TextOldPass = nullptr;
    QLabel* m_Label1 = nullptr;
    QLineEdit* m_TextNewPass1 = nullptr;
    QLabel* m_Label2 = nullptr;
    QLineEdit* m_TextNewPass2 = nullptr;
    QPushButton* m_OKButton = nullptr;
    QPushButton* m_CancelButton = nullptr;
};

} // namespace ui
