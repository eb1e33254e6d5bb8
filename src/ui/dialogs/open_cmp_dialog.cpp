#include "ui/dialogs/open_cmp_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

OpenCMPDialog::OpenCMPDialog(const QStringList& finishedTitles, QWidget* parent)
    : QDialog(parent), m_List1(new QListWidget(this)), m_Text1(new QLineEdit(this)) {
    setObjectName(QStringLiteral("OpenCMPDialog"));
    setWindowTitle(QStringLiteral("完成ファイルを開く"));

    m_List1->setObjectName(QStringLiteral("List1"));
    m_List1->setAccessibleName(QStringLiteral("完成ファイルの一覧"));
    // Equal titles stay as separate lines: the index may hold a title twice.
    m_List1->addItems(finishedTitles);
    m_List1->setMinimumSize(360, 240);

    auto* label1 = new QLabel(QStringLiteral("ファイル名(&F)"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setBuddy(m_Text1);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Text1->setAccessibleName(QStringLiteral("開くファイル名"));

    auto* buttons = new QDialogButtonBox(this);
    auto* okButton = buttons->addButton(QStringLiteral("開く(&O)"), QDialogButtonBox::AcceptRole);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);
    auto* cancelButton = buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_List1);
    layout->addWidget(label1);
    layout->addWidget(m_Text1);
    layout->addWidget(buttons);

    // The selection, not the current line: the list makes its first line current when it
    // takes the focus, and Text1 stays empty until the seller picks a line.
    connect(m_List1, &QListWidget::itemSelectionChanged, this,
            [this] { takeLine(m_List1->currentItem()); });
    connect(m_List1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { takeLine(item); });
    connect(m_List1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        takeLine(item);
        openChosen();
    });
    connect(okButton, &QPushButton::clicked, this, [this] { openChosen(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_List1->setFocus();
}

void OpenCMPDialog::takeLine(QListWidgetItem* item) {
    if (item)
        m_Text1->setText(item->text());
}

void OpenCMPDialog::openChosen() {
    m_chosenTitle = m_Text1->text();
    accept();
}

} // namespace ui
