#pragma once

#include "aids/phrase_editing.h"
#include "content/listing_form_controller.h"
#include "core/listing_record.h"
#include "core/workspace.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/prompter.h"
#include "ui/desktop/system_clipboard.h"
#include "ui/dialogs/notepad_window.h"
#include "ui/form1/form1_widgets.h"
#include "web/browser_factory.h"

#include <QMainWindow>
#include <QStringList>

namespace ui {

// What the main window works with; owned by whoever creates the window.
struct Form1Services {
    QString applicationFolder;
    platform::Prompter* prompter = nullptr;
    platform::Dialogs* dialogs = nullptr;
    platform::Clock* clock = nullptr;
    // Every page view; without one, showing a page reports that no browser is available.
    web::BrowserFactory* browsers = nullptr;
};

// The main window. Its controls are built by Form1Widgets, its state apart from them is
// content::ListingFormController, and the seller's actions are connected group by group
// in form1_actions.cpp; the window itself runs the start-up sequence, each activation and
// the close, and moves values between the two through ListingRecord.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(const Form1Services& services, QWidget* parent = nullptr);

    // The values of every field, as the composers and the files take them.
    core::ListingRecord record() const;
    // Puts every value of `record` into its widget without running the seller's click
    // handlers; record() reads back what was put in.
    void applyRecord(const core::ListingRecord& record);
    // Shows page `page` of SSTab1 (0 "商品情報" … 4 "書式設定").
    void showPage(int page);
    // After the workspace was replaced underneath the window (a restore): the standing
    // choices, the lists and the tables are read again as at start-up, without counting
    // as the seller's choices; the item fields are cleared.
    void reloadWorkspace();

    const core::Workspace& workspace() const { return m_form.workspace(); }
    // The region list behind Combo都道府県: always core::kPrefectureCount entries.
    const QStringList& prefectureTable() const { return m_form.prefectureTable(); }
    // The link lines used by page assembly: always core::kLinkCount entries.
    const QStringList& linkTable() const { return m_form.linkTable(); }
    const content::ShippingRateTable& shippingRates() const { return m_form.rates(); }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void InitializeMainWindow();
    void loadWorkspaceState();
    void clearItemFields();
    void onWindowActivated();
    void keepLoadedSize();

    Form1Services m_services;
    content::ListingFormController m_form;
    // Written only when the seller asks for a copy.
    SystemClipboard m_clipboard;
    // The phrase buttons' editors, and the editor-running flag that the close guard asks.
    NotepadLauncher m_editors;
    aids::PhraseEditing m_phrases;
    Form1Widgets m_widgets;
    bool m_applyingHeldValues = false;
    bool m_shownOnce = false;
};

} // namespace ui
