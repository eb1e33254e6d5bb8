// The kept listings: the draft, reopening a finished listing, and the about box.
#include "content/web_addresses.h"
#include "page/title_rules.h"
#include "platform/error.h"
#include "storage/listing_actions.h"
#include "ui/dialogs/open_cmp_dialog.h"
#include "ui/dialogs/version_dialog.h"
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"
#include "web/browser.h"

#include <QAction>
#include <QLineEdit>

namespace ui {
namespace {

using platform::Error;

storage::Storage storageOf(const Form1Context& c) {
    return storage::Storage{c.form.workspace()};
}

void saveDraft(const Form1Context& c) {
    try {
        if (!c.form.prompter().ask(QStringLiteral("下書き保存しますか？")))
            return;
        // No other title rule: an empty or long title is kept as a draft as it is.
        c.widgets.m_TextBoxタイトル->setText(
            page::NormalizeTitle(c.widgets.m_TextBoxタイトル->text()));
        if (!c.services.clock)
            throw Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
        storage::SaveDraft(storageOf(c), c.window.record(), *c.services.clock, c.form.prompter());
    } catch (const Error& error) {
        c.form.prompter().inform(error.report(QStringLiteral("mSS")));
    }
}

void openDraft(const Form1Context& c) {
    const std::optional<storage::Draft> draft = storage::OpenDraft(storageOf(c), c.form.prompter());
    if (!draft)
        return;
    core::ListingRecord record = c.window.record();
    record.TextBoxタイトル = draft->title;
    record.TextBox商品説明 = draft->description;
    c.window.applyRecord(record);
}

void openFinishedListing(const Form1Context& c) {
    const storage::Storage storage = storageOf(c);
    std::optional<QList<storage::TitleLine>> lines =
        storage::FinishedLines(storage, c.form.prompter());
    if (!lines)
        return;
    if (lines->isEmpty()) {
        c.form.prompter().inform(QStringLiteral("ファイルはありません。"));
        return;
    }
    OpenCMPDialog dialog(std::move(*lines), &c.window);
    dialog.exec();
    std::optional<storage::OpenedListing> opened = storage::OpenFinishedListing(
        storage, dialog.chosenTitle(), c.window.record(), c.form.prompter());
    if (!opened)
        return;
    c.form.composeSummaries(opened->record);
    c.window.applyRecord(opened->record);
    // After the lists moved: the opened listing's mail-bin class is the one held from now on.
    c.form.held().mailBinDefaultPosition = opened->mailBinDefaultPosition;
}

void openHomePage(const Form1Context& c) {
    try {
        QString address = content::readWebAddresses(c.form.workspace()).home;
        if (!address.endsWith(u'/'))
            address += u'/';
        if (!c.services.browsers)
            throw Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
        const std::unique_ptr<web::Browser> browser =
            c.services.browsers->createBrowser(web::BrowserKind::Service);
        browser->navigate(address + QStringLiteral("index.html"));
        browser->setVisible(true);
    } catch (const Error& error) {
        c.form.prompter().inform(error.report(QStringLiteral("CB5")));
    }
}

void showVersion(const Form1Context& c) {
    VersionDialog dialog(c.services.applicationFolder, &c.window);
    QObject::connect(&dialog, &VersionDialog::homePageRequested, &dialog, [c] { openHomePage(c); });
    dialog.exec();
}

} // namespace

void connectListingActions(const Form1Context& c) {
    const Form1Widgets& w = c.widgets;
    QObject::connect(w.m_mnuSaveSita, &QAction::triggered, &c.window, [c] { saveDraft(c); });
    QObject::connect(w.m_mnuSOpen, &QAction::triggered, &c.window, [c] { openDraft(c); });
    QObject::connect(w.m_mnuCOpen, &QAction::triggered, &c.window, [c] { openFinishedListing(c); });
    QObject::connect(w.m_mnuVersion, &QAction::triggered, &c.window, [c] { showVersion(c); });
}

} // namespace ui
