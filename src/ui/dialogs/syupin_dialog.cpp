#include "ui/dialogs/syupin_dialog.h"

#include "platform/text_file.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {
namespace {

QLabel* headingLabel(const QString& objectName, const QString& text, QWidget* buddy,
                     QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont font = label->font();
    font.setPointSize(12);
    font.setBold(true);
    label->setFont(font);
    label->setBuddy(buddy);
    return label;
}

} // namespace

QString listingPageText(const QString& pagePath) {
    return platform::readText(pagePath);
}

SyupinDialog::SyupinDialog(const QString& listingTitle, const QString& pageText, QWidget* pageView,
                           aids::Clipboard& clipboard, QWidget* parent)
    : QDialog(parent), m_TextTitle(new QLineEdit(listingTitle, this)), m_pageText(pageText),
      m_clipboard(clipboard) {
    setObjectName(QStringLiteral("SyupinDialog"));
    setWindowTitle(QStringLiteral("出品案内"));

    m_TextTitle->setObjectName(QStringLiteral("TextTitle"));
    m_TextTitle->setReadOnly(true);
    m_TextTitle->setAccessibleName(QStringLiteral("出品するタイトル"));
    auto* label1 =
        headingLabel(QStringLiteral("Label1"), QStringLiteral("タイトル(&T)"), m_TextTitle, this);

    auto* command1 = new QPushButton(QStringLiteral("タイトルをコピー"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    auto* command2 = new QPushButton(QStringLiteral("商品案内をコピー"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    auto* cancelButton = new QPushButton(QStringLiteral("終了"), this);
    cancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    auto* titleRow = new QHBoxLayout;
    titleRow->addWidget(m_TextTitle, 1);
    titleRow->addWidget(command1);
    layout->addLayout(titleRow);

    auto* label2Row = new QHBoxLayout;
    auto* label2 =
        headingLabel(QStringLiteral("Label2"), QStringLiteral("商品案内"), pageView, this);
    label2Row->addWidget(label2, 1);
    label2Row->addWidget(command2);
    layout->addLayout(label2Row);
    if (pageView) {
        pageView->setParent(this);
        pageView->setObjectName(QStringLiteral("WebBrowser1"));
        pageView->setAccessibleName(QStringLiteral("商品案内のページ"));
        pageView->setMinimumSize(760, 440);
        layout->addWidget(pageView, 1);
    }
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(cancelButton);
    layout->addLayout(closeRow);

    connect(command1, &QPushButton::clicked, this,
            [this] { m_clipboard.setText(m_TextTitle->text()); });
    connect(command2, &QPushButton::clicked, this, [this] { m_clipboard.setText(m_pageText); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    command1->setFocus();
}

} // namespace ui
