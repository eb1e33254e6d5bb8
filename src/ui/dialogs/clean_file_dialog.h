#pragma once

#include "aids/clipboard.h"
#include "platform/prompter.h"
#include "storage/files.h"
#include "web/browser_factory.h"

#include <QDialog>
#include <QStringList>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace ui {

class TitleListView;
class TitleSearchBox;

// "ファイル一覧": the finished listings (mode 0) and the listed ones (mode 1), each in its own
// list in the same place; the seller moves the selected ones to the other kind, deletes
// them, copies their titles or looks at a page. A search box narrows both lists by title;
// the actions see only the selected lines among those shown. The file work is storage's;
// the dialog asks the questions and keeps the lists in step with the index.
class CleanFileDialog : public QDialog {
    Q_OBJECT
public:
    // `browsers` may be null: the preview then reports that no browser is available.
    // `clipboard` is written only by "コピー".
    CleanFileDialog(const storage::Storage& storage, platform::Prompter& prompter,
                    web::BrowserFactory* browsers, aids::Clipboard& clipboard,
                    QWidget* parent = nullptr);

    // The text of the last copy, empty when nothing was copied since the dialog opened.
    const QString& copiedTitles() const { return m_copiedTitles; }
    int mode() const { return m_mode; }

    void FillFileLists();
    void ShowMode();
    // 1 when a selected line of the visible list reads exactly `title`, else 0.
    int IsTitleSelected(const QString& title) const;

private:
    TitleListView* visibleList() const { return m_List1[m_mode]; }
    // The count over the visible list; a narrowing that shows nothing leaves nothing to act on.
    void showNarrowing();
    // The selected lines of the visible list, from the top.
    QStringList selectedTitles() const;
    // False, after "選択されていません", when no line of the visible list is selected.
    bool hasSelection();

    void onOption(int index);
    void onMove();
    void onDelete();
    void onCopy();
    void onPreview();

    storage::Storage m_storage;
    platform::Prompter& m_prompter;
    web::BrowserFactory* m_browsers;
    aids::Clipboard& m_clipboard;
    int m_mode = 0;
    QString m_copiedTitles;
    // The hidden box the copied titles are gathered in; nobody sees it, so it is text.
    QString m_Text1;

    QLabel* m_Label1 = nullptr;
    TitleSearchBox* m_searchBox = nullptr;
    QLabel* m_narrowingCount = nullptr;
    std::array<TitleListView*, 2> m_List1{};
    std::array<QRadioButton*, 2> m_Option1{};
    QPushButton* m_Command1 = nullptr;
    QLabel* m_Label2 = nullptr;
    QPushButton* m_DELButton = nullptr;
    QLabel* m_Label3 = nullptr;
    QPushButton* m_CopyButton = nullptr;
    QLabel* m_Label4 = nullptr;
    QPushButton* m_PreviewButton = nullptr;
    QLabel* m_Label5 = nullptr;
    QPushButton* m_CancelButton = nullptr;
};

} // namespace ui
