// The auction account and the web actions: the auction ID and password, the product
// search, the login to the seller's status page, the carriers' pages and the manual.
#include "aids/password_file.h"
#include "content/web_addresses.h"
#include "platform/error.h"
#include "profile/profiles.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"
#include "ui/widgets/focus_events.h"
#include "web/automation.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace ui {
namespace {

const QString kYahooSection = QStringLiteral("yahoo");
const QString kIdKey = QStringLiteral("id");

// Read at each action, so an address changed in setting.ini counts from the next click.
content::WebAddresses addresses(const Form1Context& c) {
    return content::readWebAddresses(c.form.workspace());
}

void storeAuctionId(const Form1Context& c) {
    try {
        profile::Profiles(c.services.applicationFolder)
            .WriteBasicIni(kYahooSection, kIdKey, c.widgets.m_Textyahooid->text());
    } catch (const platform::Error& error) {
        c.services.prompter->inform(error.report(QStringLiteral("M1ID")));
    }
}

void changePassword(const Form1Context& c) {
    PasswordDialog dialog(c.services.applicationFolder, *c.services.prompter, &c.window);
    dialog.exec();
}

void openMyPage(const Form1Context& c) {
    const QString id =
        profile::Profiles(c.services.applicationFolder).ReadBasicIni(kYahooSection, kIdKey, false);
    const QString password =
        aids::ReadAccountPassword(c.services.applicationFolder, *c.services.prompter);
    const content::WebAddresses web = addresses(c);
    web::OpenMyPage(c.services.browsers, web.login, web.mystatus, id, password,
                    *c.services.prompter);
}

} // namespace

void connectAccountActions(const Form1Context& c) {
    // Every leaving counts, changed or not: the file then always holds what the field shows.
    onFocusOut(c.widgets.m_Textyahooid, [c] { storeAuctionId(c); });
    QObject::connect(c.widgets.m_CommandPass, &QPushButton::clicked, &c.window,
                     [c] { changePassword(c); });

    QObject::connect(c.widgets.m_CBJAN検索, &QPushButton::clicked, &c.window, [c] {
        web::SearchProduct(c.services.browsers, addresses(c).store, c.widgets.m_TextBoxJAN->text(),
                           *c.services.prompter);
    });
    QObject::connect(c.widgets.m_mnumypage, &QAction::triggered, &c.window, [c] { openMyPage(c); });
    QObject::connect(c.widgets.m_CommandButton5, &QPushButton::clicked, &c.window, [c] {
        web::OpenCarrierPage(c.services.browsers, addresses(c).japanpost, QStringLiteral("CB5"),
                             *c.services.prompter);
    });
    QObject::connect(c.widgets.m_CommandButton4, &QPushButton::clicked, &c.window, [c] {
        web::OpenCarrierPage(c.services.browsers, addresses(c).yamato, QStringLiteral("CB4"),
                             *c.services.prompter);
    });
    QObject::connect(c.widgets.m_mnumanyu, &QAction::triggered, &c.window, [c] {
        web::OpenManual(c.services.browsers, addresses(c).manual, *c.services.prompter);
    });
}

} // namespace ui
