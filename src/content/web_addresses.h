#pragma once

#include "core/workspace.h"

#include <QString>

namespace content {

// The web addresses the program opens. Each has a default and can be replaced in the
// [web] section of ini/setting.ini under the key named beside it (so a test can point it at
// a loopback server).
struct WebAddresses {
    // home: the product's home page: the footer credit of every page and the about box.
    QString home = QStringLiteral("https://example.org/tomoe/");
    // store: the online store's top page, whose first form searches for a word.
    QString store = QStringLiteral("https://www.amazon.co.jp/");
    // login: the auction service's login page; its first form takes the ID and password,
    // and .done names where the service goes after the login.
    QString login = QStringLiteral("https://login.yahoo.co.jp/config/login?.lg=jp&.intl=jp&.src=auc"
                                   "&.done=https://auctions.yahoo.co.jp/");
    // mystatus: the seller's status page, for signed-in users.
    QString mystatus = QStringLiteral("https://auctions.yahoo.co.jp/user/jp/show/mystatus");
    // japanpost, yamato: the two carriers' home pages.
    QString japanpost = QStringLiteral("https://www.post.japanpost.jp/index.html");
    QString yamato = QStringLiteral("https://www.kuronekoyamato.co.jp/index.html");
    // manual: the manual compiled into the program, unless an address is named.
    QString manual = QStringLiteral("qrc:/manual/index.html");
};

WebAddresses readWebAddresses(const core::Workspace& workspace);

// The page the about box opens: index.html in the home folder, which `home` names with or
// without its closing slash.
QString homePageAddress(const QString& home);

} // namespace content
