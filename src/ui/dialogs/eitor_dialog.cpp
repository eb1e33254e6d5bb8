#include "ui/dialogs/eitor_dialog.h"

#include "aids/editor.h"
#include "platform/error.h"
#include "profile/profiles.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {
namespace {

template <typename Widget, typename... Args>
Widget* named(const QString& objectName, QWidget* parent, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(objectName);
    return widget;
}

} // namespace

EitorDialog::EitorDialog(const QString& applicationFolder, platform::Prompter& prompter,
                         platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_applicationFolder(applicationFolder), m_prompter(prompter),
      m_dialogs(dialogs) {
    setObjectName(QStringLiteral("EitorDialog"));
    setWindowTitle(QStringLiteral("エディタの設定"));
    setModal(true);

    m_Label1 = named<QLabel>(QStringLiteral("Label1"), this,
                             QStringLiteral("説明文の編集時に使用するエディタを設定します"));
    m_Option1[0] =
        named<QRadioButton>(QStringLiteral("Option1_0"), this, QStringLiteral("メモ帳を使用する"));
    m_Option1[1] =
        named<QRadioButton>(QStringLiteral("Option1_1"), this, QStringLiteral("自分で設定する"));
    m_Text1 = named<QLineEdit>(QStringLiteral("Text1"), this);
    m_Text1->setAccessibleName(QStringLiteral("エディタのファイル名"));
    m_Text1->setMinimumWidth(m_Text1->fontMetrics().horizontalAdvance(u'0') * 40);
    m_Command1 = named<QPushButton>(QStringLiteral("Command1"), this, QStringLiteral("参照"));
    m_OKButton = named<QPushButton>(QStringLiteral("OKButton"), this, QStringLiteral("OK"));
    m_CancelButton =
        named<QPushButton>(QStringLiteral("CancelButton"), this, QStringLiteral("ｷｬﾝｾﾙ"));
    m_OKButton->setDefault(true);

    auto* options = new QButtonGroup(this);
    for (int element : {0, 1}) {
        options->addButton(m_Option1[std::size_t(element)], element);
        connect(m_Option1[std::size_t(element)], &QRadioButton::clicked, this,
                [this, element] { m_option = element; });
    }
    connect(m_Command1, &QPushButton::clicked, this, &EitorDialog::browse);
    connect(m_OKButton, &QPushButton::clicked, this, &EitorDialog::onOk);
    connect(m_CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* path = new QHBoxLayout;
    path->addWidget(m_Text1, 1);
    path->addWidget(m_Command1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_OKButton);
    buttons->addWidget(m_CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Label1);
    layout->addWidget(m_Option1[0]);
    layout->addWidget(m_Option1[1]);
    layout->addLayout(path);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const profile::Profiles profiles(m_applicationFolder);
    const QString section = aids::kEditorSection.toString();
    m_option = profiles.ReadAuctionIni(section, aids::kEditorKey.toString(), true) == u"0" ? 0 : 1;
    m_Option1[std::size_t(m_option)]->setChecked(true);
    m_Text1->setText(profiles.ReadAuctionIni(section, aids::kMyEditorKey.toString(), false));
    pathAcceptable();
}

bool EitorDialog::pathAcceptable() const {
    if (m_Text1->text().isEmpty() || aids::namesExistingFile(m_Text1->text()))
        return true;
    m_prompter.inform(QStringLiteral("ファイル名が無効です。再設定してください。"));
    return false;
}

void EitorDialog::browse() {
    // Programs live there on this system; cancelling changes nothing.
    if (const std::optional<QString> chosen = m_dialogs.openFile(
            QStringLiteral("エディタの設定"), QStringLiteral("/usr/bin"), QString()))
        m_Text1->setText(*chosen);
}

void EitorDialog::onOk() {
    // A path that would keep the dialog open is not stored either.
    if (!pathAcceptable())
        return;
    try {
        const profile::Profiles profiles(m_applicationFolder);
        const QString section = aids::kEditorSection.toString();
        // The path first: one that cannot be stored (a character without a CP932 form)
        // then leaves both keys as they were.
        profiles.WriteAuctionIni(section, aids::kMyEditorKey.toString(), m_Text1->text());
        profiles.WriteAuctionIni(section, aids::kEditorKey.toString(), QString::number(m_option));
    } catch (const platform::Error& error) {
        m_prompter.inform(error.report(QStringLiteral("OKButton")));
        return;
    }
    accept();
}

void EitorDialog::done(int result) {
    if (!pathAcceptable())
        return;
    QDialog::done(result);
}

} // namespace ui
