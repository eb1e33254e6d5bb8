#include "ui/dialogs/version_dialog.h"

#include "ui/widgets/program_icon.h"

#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace ui {
namespace {

constexpr auto kApplicationTitle = u"TomoeA";
constexpr int kMajor = 1, kMinor = 0, kRevision = 0;

QLabel* namedLabel(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    return label;
}

} // namespace

VersionDialog::VersionDialog(const QString& dataFolder, QWidget* parent) : QDialog(parent) {
    const QString title = QString::fromUtf16(kApplicationTitle);
    setObjectName(QStringLiteral("VersionDialog"));
    setWindowTitle(title + QStringLiteral("のバージョン情報"));

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(drawProgramIcon(64));
    image1->setAccessibleName(QStringLiteral("プログラムのアイコン"));

    auto* lblProductName = namedLabel(QStringLiteral("lblProductName"), title, this);
    QFont productFont = lblProductName->font();
    productFont.setPointSize(productFont.pointSize() + 5);
    productFont.setBold(true);
    lblProductName->setFont(productFont);
    auto* lblVersion =
        namedLabel(QStringLiteral("lblVersion"),
                   QStringLiteral("ﾊﾞｰｼﾞｮﾝ %1.%2.%3").arg(kMajor).arg(kMinor).arg(kRevision), this);
    auto* lblDescription =
        namedLabel(QStringLiteral("lblDescription"),
                   QStringLiteral("オークションの商品説明ページを作るためのツールです。"), this);
    auto* lblDisclaimer = namedLabel(
        QStringLiteral("lblDisclaimer"),
        QStringLiteral("作ったページと出品の内容は、出品する前にご自身で確かめてください。"), this);
    auto* lblData = namedLabel(QStringLiteral("lblData"),
                               QStringLiteral("データはすべて次のフォルダーに保存されます。\n") +
                                   QDir::toNativeSeparators(dataFolder),
                               this);
    // The path can be copied from here into a file manager or a terminal.
    lblData->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    auto* command1 = new QPushButton(QStringLiteral("KUMO ホームページ"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(image1, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(lblProductName, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(lblDescription, 2, 1);
    layout->addWidget(line1, 3, 0, 1, 3);
    layout->addWidget(lblDisclaimer, 4, 0, 1, 2);
    layout->addWidget(lblData, 5, 0, 1, 2);
    layout->addWidget(okButton, 0, 2);
    layout->addWidget(command1, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(420);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(command1, &QPushButton::clicked, this, &VersionDialog::homePageRequested);
}

} // namespace ui
