// The page actions: the template choice, and the preview, finish and list that turn the
// window into a page with the chosen template.
#include "check/page_check_task.h"
#include "content/number_text.h"
#include "content/web_addresses.h"
#include "page/assemble_page.h"
#include "page/title_rules.h"
#include "platform/error.h"
#include "storage/listing_actions.h"
#include "storage/listing_files.h"
#include "ui/dialogs/syupin_dialog.h"
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"
#include "web/browser.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {
namespace {

using core::Workspace;
using platform::Error;

// A held value that is no number counts as out of range, so it takes the replacement and
// the replacement is held from then on, as for any other value out of range.
int heldNumber(const QString& text) {
    try {
        return content::intFromText(text);
    } catch (const Error&) {
        return -1;
    }
}

page::PageStyle heldPageStyle(const core::HeldSelections& held) {
    page::PageStyle style;
    style.colourPreset = held.colourPreset;
    style.width = heldNumber(held.displayWidthPosition);
    style.position = held.displayPosition;
    style.titleStyle = heldNumber(held.titleStyle);
    style.titleSize = heldNumber(held.titleSize);
    style.headingStyle = heldNumber(held.headingStyle);
    style.headingSize = heldNumber(held.headingSize);
    style.textStyle = heldNumber(held.textStyle);
    style.textSize = held.textSizePosition;
    return style;
}

void holdPageStyle(core::HeldSelections& held, const page::PageStyle& style) {
    held.colourPreset = style.colourPreset;
    held.displayWidthPosition = QString::number(style.width);
    held.displayPosition = std::int16_t(style.position);
    held.titleStyle = QString::number(style.titleStyle);
    held.titleSize = QString::number(style.titleSize);
    held.headingStyle = QString::number(style.headingStyle);
    held.headingSize = QString::number(style.headingSize);
    held.textStyle = QString::number(style.textStyle);
    held.textSizePosition = std::int16_t(style.textSize);
}

// Everything the page is made from, read from the window now.
page::PageInputs pageInputs(const Form1Context& c, const QString& outputPath) {
    page::PageInputs inputs;
    inputs.record = c.window.record();
    const core::ListingRecord& record = inputs.record;
    inputs.style = heldPageStyle(c.form.held());
    inputs.mainColours = page::mainPresetColours(record.L92);
    inputs.subColours = page::subPresetColours(record.L93);
    inputs.titleColour = record.CommandT;
    inputs.headingColour = record.CommandM;
    inputs.textColour = record.CommandSR;
    // The region chosen now, not the one held at the last activation.
    const int region = record.Combo都道府県.position;
    if (region >= 0 && region < c.form.prefectureTable().size())
        inputs.regionName = c.form.prefectureTable().at(region);
    inputs.linkTable = c.form.linkTable();
    inputs.homePage = content::readWebAddresses(c.form.workspace()).home;
    inputs.templatePath = page::templatePathIn(c.form.workspace().path(Workspace::TemplateFolder),
                                               c.form.held().templateName);
    inputs.outputPath = outputPath;
    return inputs;
}

// Page assembly reports its own failures; the style it brought into range is held.
void assemblePage(const Form1Context& c, const QString& outputPath) {
    const page::PageStyle style = page::AssemblePage(pageInputs(c, outputPath), c.form.prompter());
    holdPageStyle(c.form.held(), style);
}

// Tidies the title field and checks it; false when the action stops there.
bool titleAccepted(const Form1Context& c) {
    const QString title = page::NormalizeTitle(c.widgets.m_TextBoxタイトル->text());
    c.widgets.m_TextBoxタイトル->setText(title);
    return page::CheckTitle(title, c.form.prompter()) == page::kTitleAccepted;
}

// False, after saying why, for a title that cannot name its page file.
bool pageNameAccepted(const Form1Context& c, const QString& title) {
    if (const std::optional<QString> problem = storage::pageNameProblem(title)) {
        c.form.prompter().inform(*problem);
        return false;
    }
    return true;
}

web::BrowserFactory& browsers(const Form1Context& c) {
    if (!c.services.browsers)
        throw Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
    return *c.services.browsers;
}

void chooseTemplate(const Form1Context& c) {
    try {
        if (!c.services.dialogs)
            throw Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
        const std::optional<QString> chosen = c.services.dialogs->openFile(
            QStringLiteral("テンプレート"), c.form.workspace().path(Workspace::TemplateFolder),
            QStringLiteral("テンプレートファイル|*.tmpl"));
        if (!chosen)
            return;
        // Only the name is held: the page is always made from the template folder.
        const QString name = QFileInfo(*chosen).fileName();
        c.form.held().templateName = name;
        c.widgets.m_Label15->setText(QStringLiteral("テンプレート：") + name);
    } catch (const Error& error) {
        c.form.prompter().inform(error.report(QStringLiteral("CB19")));
    }
}

void preview(const Form1Context& c) {
    try {
        if (!titleAccepted(c))
            return;
        const QString path = c.form.workspace().path(Workspace::PreviewFile);
        assemblePage(c, path);
        // Also after a failed assembly: the seller then sees the previous preview, if any.
        const std::shared_ptr<web::Browser> browser =
            browsers(c).createBrowser(web::BrowserKind::Page);
        browser->navigate(path);
        browser->setVisible(true);
        // The check only advises: the seller sees the page at once, the findings when ready.
        check::checkPageFileLater(c.form.workspace(), path, &c.window,
                                  [browser](const QList<check::Finding>& findings) {
                                      try {
                                          browser->showFindings(findings);
                                      } catch (const Error&) {
                                          // the seller closed the window meanwhile
                                      }
                                  });
    } catch (const Error& error) {
        c.form.prompter().inform(error.report(QStringLiteral("CB12")));
    }
}

void finish(const Form1Context& c) {
    try {
        if (!titleAccepted(c))
            return;
        if (!pageNameAccepted(c, c.widgets.m_TextBoxタイトル->text()))
            return;
        if (c.widgets.m_Textyahooid->text().isEmpty()) {
            c.form.prompter().inform(QStringLiteral("Yahoo!IDを登録してください"));
            c.window.showPage(3);
            return;
        }
        if (!c.form.prompter().ask(QStringLiteral("保存しますか？")))
            return;
        if (!c.services.clock)
            throw Error::fromNumber(platform::ErrorNumber::ObjectNotSet);
        const storage::FinishOutcome outcome =
            storage::FinishListing(storage::Storage{c.form.workspace()}, c.window.record(),
                                   *c.services.clock, c.form.prompter());
        // A listing the index does not name gets no page either: the page would belong
        // to nothing the seller can open again.
        if (!outcome.saved)
            return;
        c.widgets.m_TextBoxタイトル->setText(outcome.title);
        assemblePage(c, outcome.pagePath);
    } catch (const Error& error) {
        c.form.prompter().inform(error.report(QStringLiteral("F1CC")));
    }
}

// The listing guide over the page just written. A part that fails is reported and the
// guide opens without it: the title can still be copied.
void showListingGuide(const Form1Context& c, const QString& listingPagePath,
                      const QString& listingTitle) {
    const QString tag = QStringLiteral("Command2");
    QString pageText;
    try {
        pageText = listingPageText(listingPagePath);
    } catch (const Error& error) {
        c.form.prompter().inform(error.report(tag));
    }
    web::PageView* view = nullptr;
    try {
        // Owned by the window until the guide takes it.
        view = browsers(c).createPageView(&c.window);
        view->showFile(listingPagePath);
        check::checkPageFileLater(
            c.form.workspace(), listingPagePath, view,
            [view](const QList<check::Finding>& findings) { view->showFindings(findings); });
    } catch (const Error& error) {
        c.form.prompter().inform(error.report(tag));
    }
    SyupinDialog guide(listingTitle, pageText, view, c.clipboard, &c.window);
    guide.exec();
}

void list(const Form1Context& c) {
    try {
        if (!titleAccepted(c))
            return;
        const QString title = c.widgets.m_TextBoxタイトル->text();
        if (!pageNameAccepted(c, title))
            return;
        const QString path = storage::pagePath(storage::Storage{c.form.workspace()},
                                               storage::EntryKind::Finished, title);
        assemblePage(c, path);
        showListingGuide(c, path, title);
    } catch (const Error& error) {
        c.form.prompter().inform(error.report(QStringLiteral("Command2")));
    }
}

} // namespace

void connectPageActions(const Form1Context& c) {
    const Form1Widgets& w = c.widgets;
    QObject::connect(w.m_CommandButton19, &QPushButton::clicked, &c.window,
                     [c] { chooseTemplate(c); });
    QObject::connect(w.m_ButtonPreview, &QPushButton::clicked, &c.window, [c] { preview(c); });
    QObject::connect(w.m_Command1, &QPushButton::clicked, &c.window, [c] { finish(c); });
    QObject::connect(w.m_mnuSaveComp, &QAction::triggered, &c.window, [c] { finish(c); });
    QObject::connect(w.m_Command2, &QPushButton::clicked, &c.window, [c] { list(c); });
}

} // namespace ui
