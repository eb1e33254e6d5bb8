#include "ui/dialogs/open_cmp_dialog.h"

#include "ui/dialogs/title_list_model.h"
#include "ui/dialogs/title_list_view.h"
#include "ui/widgets/title_search_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

OpenCMPDialog::OpenCMPDialog(QList<storage::TitleLine> finished, QWidget* parent)
    : QDialog(parent), m_searchBox(new TitleSearchBox(this)), m_narrowingCount(new QLabel(this)),
      m_List1(new TitleListView(this)), m_Text1(new QLineEdit(this)) {
    setObjectName(QStringLiteral("OpenCMPDialog"));
    setWindowTitle(QStringLiteral("完成ファイルを開く"));

    m_narrowingCount->setObjectName(QStringLiteral("NarrowingCount"));
    m_List1->setObjectName(QStringLiteral("List1"));
    m_List1->setAccessibleName(QStringLiteral("完成ファイルの一覧"));
    m_List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // Equal titles stay as separate lines: the index may hold a title twice.
    m_List1->setLines(std::move(finished));
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

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_searchBox, 1);
    searchRow->addWidget(m_narrowingCount);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(m_List1);
    layout->addWidget(label1);
    layout->addWidget(m_Text1);
    layout->addWidget(buttons);
    setTabOrder(m_searchBox, m_List1);

    const auto showNarrowing = [this] {
        m_narrowingCount->setText(narrowingSummary(m_List1->titles()));
        m_searchBox->setAccessibleDescription(m_narrowingCount->text());
    };
    showNarrowing();
    connect(m_searchBox, &QLineEdit::textChanged, m_List1, &TitleListView::narrow);
    connect(m_List1, &TitleListView::narrowed, this, showNarrowing);
    // The selection, not the current line: the list makes its first line current when it
    // takes the focus, and Text1 stays empty until the seller picks a line.
    connect(m_List1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { takeLine(m_List1->selectionModel()->selectedRows().value(0)); });
    connect(m_List1, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& line) { takeLine(line); });
    connect(m_List1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& line) {
        takeLine(line);
        openChosen();
    });
    connect(okButton, &QPushButton::clicked, this, [this] { openChosen(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    m_List1->setFocus();
}

void OpenCMPDialog::takeLine(const QModelIndex& line) {
    if (line.isValid())
        m_Text1->setText(line.data().toString());
}

void OpenCMPDialog::openChosen() {
    m_chosenTitle = m_Text1->text();
    accept();
}

} // namespace ui
