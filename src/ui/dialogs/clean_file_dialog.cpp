#include "ui/dialogs/clean_file_dialog.h"

#include "platform/error.h"
#include "storage/file_manager.h"
#include "ui/dialogs/title_list_model.h"
#include "ui/dialogs/title_list_view.h"
#include "ui/widgets/title_search_box.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {
namespace {

struct ModeTexts {
    const char16_t* heading;     // Label1
    const char16_t* listName;    // what a screen reader calls the list
    const char16_t* moveCaption; // Command1
    const char16_t* moveLabel;   // Label2
    const char16_t* moveQuestion;
};

const ModeTexts kModeTexts[2] = {
    {u"完成ファイル", u"完成ファイルの一覧", u"出品済にする", u"データを出品済みファイルにする",
     u"出品済にしますか？"},
    {u"出品済ファイル", u"出品済ファイルの一覧", u"完成に戻す", u"データを完成ファイルに戻す",
     u"完成に戻しますか？"},
};

QString text(const char16_t* utf16) {
    return QString::fromUtf16(utf16);
}

template <typename Widget> Widget* named(Widget* widget, const QString& objectName) {
    widget->setObjectName(objectName);
    return widget;
}

} // namespace

CleanFileDialog::CleanFileDialog(const storage::Storage& storage, platform::Prompter& prompter,
                                 web::BrowserFactory* browsers, aids::Clipboard& clipboard,
                                 QWidget* parent)
    : QDialog(parent), m_storage(storage), m_prompter(prompter), m_browsers(browsers),
      m_clipboard(clipboard) {
    setObjectName(QStringLiteral("CleanFileDialog"));
    setWindowTitle(QStringLiteral("ファイル一覧"));

    m_Label1 = named(new QLabel(this), QStringLiteral("Label1"));
    QFont headingFont = m_Label1->font();
    headingFont.setPointSize(12);
    headingFont.setBold(true);
    m_Label1->setFont(headingFont);

    m_searchBox = new TitleSearchBox(this);
    m_narrowingCount = named(new QLabel(this), QStringLiteral("NarrowingCount"));

    m_CancelButton =
        named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), QStringLiteral("CancelButton"));
    m_CancelButton->setAccessibleName(QStringLiteral("キャンセル"));
    m_CancelButton->setAutoDefault(false);

    auto* lists = new QGridLayout;
    auto* options = new QButtonGroup(this);
    auto* optionRow = new QHBoxLayout;
    const QString optionCaptions[2] = {QStringLiteral(" 完成ファイル"),
                                       QStringLiteral(" 出品済ファイル")};
    for (int i = 0; i < 2; ++i) {
        auto* list = named(new TitleListView(this), QStringLiteral("List1_%1").arg(i));
        list->setAccessibleName(text(kModeTexts[i].listName));
        // Shift and Ctrl with the mouse or the arrow keys and Space, as in any list.
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setMinimumSize(420, 220);
        lists->addWidget(list, 0, 0); // both in one place; ShowMode shows one
        m_List1[i] = list;

        auto* option =
            named(new QRadioButton(optionCaptions[i], this), QStringLiteral("Option1_%1").arg(i));
        option->setAccessibleName(optionCaptions[i].trimmed());
        options->addButton(option, i);
        optionRow->addWidget(option);
        m_Option1[i] = option;
    }
    optionRow->addStretch();

    const auto action = [this](const QString& objectName, const QString& caption,
                               const QString& labelName, const QString& explanation,
                               QLabel** label) {
        auto* button = named(new QPushButton(caption, this), objectName);
        button->setAutoDefault(false);
        button->setMinimumWidth(110);
        *label = named(new QLabel(explanation, this), labelName);
        button->setAccessibleDescription(explanation);
        return button;
    };
    m_Command1 =
        action(QStringLiteral("Command1"), text(kModeTexts[0].moveCaption),
               QStringLiteral("Label2"), QStringLiteral("データを出品済みデータにする"), &m_Label2);
    m_DELButton =
        action(QStringLiteral("DELButton"), QStringLiteral("削除"), QStringLiteral("Label3"),
               QStringLiteral("データを完全に削除します"), &m_Label3);
    m_CopyButton =
        action(QStringLiteral("CopyButton"), QStringLiteral("コピー"), QStringLiteral("Label4"),
               QStringLiteral("選択したタイトルをクリップボードへコピーします"), &m_Label4);
    m_PreviewButton = action(QStringLiteral("PreviewButton"), QStringLiteral("プレビュー"),
                             QStringLiteral("Label5"),
                             QStringLiteral("作成した商品説明を確認できます"), &m_Label5);

    auto* heading = new QHBoxLayout;
    heading->addWidget(m_Label1);
    heading->addStretch();
    heading->addWidget(m_CancelButton, 0, Qt::AlignTop);

    auto* actions = new QGridLayout;
    const std::array<std::pair<QPushButton*, QLabel*>, 4> rows = {{{m_Command1, m_Label2},
                                                                   {m_DELButton, m_Label3},
                                                                   {m_CopyButton, m_Label4},
                                                                   {m_PreviewButton, m_Label5}}};
    for (int row = 0; row < int(rows.size()); ++row) {
        actions->addWidget(rows[row].first, row, 0);
        actions->addWidget(rows[row].second, row, 1);
    }
    actions->setColumnStretch(1, 1);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_searchBox, 1);
    searchRow->addWidget(m_narrowingCount);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addLayout(searchRow);
    layout->addLayout(lists, 1);
    layout->addLayout(optionRow);
    layout->addSpacing(8);
    layout->addLayout(actions);

    // Tab goes down the window as it reads; the two lists share one stop, as only one shows.
    setTabOrder(m_searchBox, m_List1[0]);
    setTabOrder(m_List1[0], m_List1[1]);
    setTabOrder(m_List1[1], m_Option1[0]);
    setTabOrder(m_Option1[0], m_Option1[1]);
    setTabOrder(m_Option1[1], m_Command1);
    setTabOrder(m_Command1, m_DELButton);
    setTabOrder(m_DELButton, m_CopyButton);
    setTabOrder(m_CopyButton, m_PreviewButton);
    setTabOrder(m_PreviewButton, m_CancelButton);

    // Toggled rather than clicked: assistive technology checks an option without a click.
    connect(options, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            onOption(id);
    });
    connect(m_Command1, &QPushButton::clicked, this, [this] { onMove(); });
    connect(m_DELButton, &QPushButton::clicked, this, [this] { onDelete(); });
    connect(m_CopyButton, &QPushButton::clicked, this, [this] { onCopy(); });
    connect(m_PreviewButton, &QPushButton::clicked, this, [this] { onPreview(); });
    connect(m_CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_searchBox, &QLineEdit::textChanged, this, [this](const QString& query) {
        for (TitleListView* list : m_List1)
            list->narrow(query);
        showNarrowing();
    });

    // Dialog load: mode 0, fresh lists, nothing copied yet.
    m_mode = 0;
    FillFileLists();
    ShowMode();
    m_copiedTitles.clear();
    m_List1[0]->setFocus();
}

void CleanFileDialog::FillFileLists() {
    storage::FileLists lists = storage::FillFileLists(m_storage, m_prompter);
    // The lines come narrowed by what the search box holds.
    m_List1[0]->setLines(std::move(lists.finished));
    m_List1[1]->setLines(std::move(lists.listed));
    showNarrowing();
}

void CleanFileDialog::showNarrowing() {
    const TitleListModel& titles = visibleList()->titles();
    m_narrowingCount->setText(narrowingSummary(titles));
    m_searchBox->setAccessibleDescription(m_narrowingCount->text());
    const bool nothingShown = titles.isNarrowed() && titles.rowCount() == 0;
    for (QPushButton* button : {m_Command1, m_DELButton, m_CopyButton, m_PreviewButton})
        button->setEnabled(!nothingShown);
}

void CleanFileDialog::ShowMode() {
    const ModeTexts& texts = kModeTexts[m_mode];
    m_Option1[m_mode]->setChecked(true);
    m_Label1->setText(text(texts.heading));
    const bool hadFocus = m_List1[1 - m_mode]->hasFocus();
    m_List1[1 - m_mode]->hide();
    m_List1[m_mode]->show();
    if (hadFocus)
        m_List1[m_mode]->setFocus();
    m_Command1->setText(text(texts.moveCaption));
    m_Label2->setText(text(texts.moveLabel));
    m_Command1->setAccessibleDescription(text(texts.moveLabel));
    showNarrowing();
}

int CleanFileDialog::IsTitleSelected(const QString& title) const {
    return visibleList()->selectedTitles().contains(title) ? 1 : 0;
}

QStringList CleanFileDialog::selectedTitles() const {
    return visibleList()->selectedTitles();
}

bool CleanFileDialog::hasSelection() {
    if (visibleList()->selectionModel()->hasSelection())
        return true;
    m_prompter.inform(QStringLiteral("選択されていません"));
    return false;
}

void CleanFileDialog::onOption(int index) {
    m_mode = index;
    ShowMode();
}

void CleanFileDialog::onMove() {
    if (!hasSelection() || !m_prompter.ask(text(kModeTexts[m_mode].moveQuestion)))
        return;
    // The lists are read again even after a failure: the index then says where each
    // listing's files ended up.
    storage::MoveListings(m_storage, m_mode, selectedTitles(), m_prompter);
    FillFileLists();
}

void CleanFileDialog::onDelete() {
    if (!hasSelection() || !m_prompter.ask(QStringLiteral("削除しますか？")))
        return;
    storage::DeleteListings(m_storage, m_mode, selectedTitles(), m_prompter);
    FillFileLists();
}

void CleanFileDialog::onCopy() {
    if (!hasSelection())
        return;
    m_Text1 = storage::copiedTitles(selectedTitles());
    m_clipboard.setText(m_Text1);
    m_copiedTitles = m_Text1;
}

void CleanFileDialog::onPreview() {
    if (!hasSelection())
        return;
    try {
        const QString path =
            storage::previewPagePath(m_storage, m_mode, selectedTitles().constFirst());
        if (!m_browsers)
            throw platform::Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
        // Released at the end of the block: a shown browser window stays open on its own.
        std::unique_ptr<web::Browser> browser = m_browsers->createBrowser(web::BrowserKind::Page);
        browser->navigate(path);
        browser->setVisible(true);
    } catch (const platform::Error& error) {
        m_prompter.inform(error.report(QStringLiteral("PreviewButton")));
    }
}

} // namespace ui
