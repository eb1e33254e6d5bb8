#include "ui/dialogs/password_dialog.h"

#include "aids/password_file.h"
#include "profile/profiles.h"
#include "ui/widgets/display_label.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {
namespace {

// A masked box headed by its label, which also gives the box its spoken name.
QLineEdit* passwordBox(const QString& objectName, QLabel* label, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setEchoMode(QLineEdit::Password);
    // Masked with "*" whatever the style's own mask character is.
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    box->setAccessibleName(label->text());
    label->setBuddy(box);
    return box;
}

QLabel* caption(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

} // namespace

PasswordDialog::PasswordDialog(const QString& applicationFolder, platform::Prompter& prompter,
                               QWidget* parent)
    : QDialog(parent), m_applicationFolder(applicationFolder), m_prompter(prompter) {
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(QStringLiteral("パスワード変更"));
    setModal(true);

    m_Textyahooid = new DisplayLabel(QString(), this);
    m_Textyahooid->setObjectName(QStringLiteral("Textyahooid"));
    m_Textyahooid->setAccessibleName(QStringLiteral("Yahoo!ID"));
    m_Textyahooid->setTextFormat(Qt::PlainText);
    m_Label3 = caption(QStringLiteral("Label3"), QStringLiteral("現在のパスワード"), this);
    m_TextOldPass = passwordBox(QStringLiteral("TextOldPass"), m_Label3, this);
    // Shown for reference only: the new password replaces it unchecked.
    m_TextOldPass->setReadOnly(true);
    m_Label1 = caption(QStringLiteral("Label1"), QStringLiteral("新しいパスワード"), this);
    m_TextNewPass1 = passwordBox(QStringLiteral("TextNewPass1"), m_Label1, this);
    m_Label2 = caption(QStringLiteral("Label2"), QStringLiteral("もう一度入力"), this);
    m_TextNewPass2 = passwordBox(QStringLiteral("TextNewPass2"), m_Label2, this);
    m_OKButton = new QPushButton(QStringLiteral("OK"), this);
    m_OKButton->setObjectName(QStringLiteral("OKButton"));
    m_OKButton->setDefault(true);
    m_CancelButton = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    m_CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(m_OKButton, &QPushButton::clicked, this, &PasswordDialog::onOk);
    connect(m_CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(m_Textyahooid);
    form->addRow(m_Label3, m_TextOldPass);
    form->addRow(m_Label1, m_TextNewPass1);
    form->addRow(m_Label2, m_TextNewPass2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_OKButton);
    buttons->addWidget(m_CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const profile::Profiles profiles(m_applicationFolder);
    m_Textyahooid->setText(
        profiles.ReadBasicIni(QStringLiteral("yahoo"), QStringLiteral("id"), false));
    m_TextOldPass->setText(aids::ReadAccountPassword(m_applicationFolder, m_prompter));
    m_TextNewPass1->setFocus();
}

void PasswordDialog::onOk() {
    if (m_TextNewPass1->text() != m_TextNewPass2->text()) {
        m_prompter.inform(QStringLiteral("パスワード１とパスワード２が違います。"));
        return;
    }
    // A refused password has been reported; the dialog stays for another try.
    if (!aids::WriteAccountPassword(m_applicationFolder, m_TextNewPass1->text(), m_prompter))
        return;
    m_prompter.inform(QStringLiteral("パスワードを更新しました。"));
    accept();
}

} // namespace ui
