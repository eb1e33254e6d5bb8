#pragma once

#include "check_settings.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace check {

enum class Severity {
    Error,   // the auction service refuses it, or it breaks the page
    Warning, // buyers see a broken or warned-about page, or it leads them off the service
    Notice,  // shows, but may look different from what the seller sees
};

enum class FindingKind {
    ForbiddenElement,   // script, iframe, form, object, embed, meta refresh
    EventAttribute,     // onclick= and the other on… attributes
    ScriptAddress,      // javascript: (or vbscript:) in an address
    InsecureImage,      // an image over http://
    InsecureLink,       // a link over http://
    EmailAddress,       // in the text, or a mailto: link
    PhoneNumber,        // in the text, or a tel: link
    OtherShopLink,      // a link or written address to another shop or auction site
    CharacterReference, // &#x…; for a character with no CP932 form
    UnclosedTag,        // a table or font that takes in the rest of the page
    PageTooLarge,       // over the size limit of the settings
    TooDeeplyNested,    // nested past what is followed; later tags are checked one by one
};

struct Finding {
    Severity severity;
    FindingKind kind;
    int line;       // 1-based line of the page
    QString text;   // the offending text as the page has it, cut short when long
    QString advice; // one Japanese sentence saying what to change

    bool operator==(const Finding&) const = default;
};

// Checks a page as written (CP932 bytes) and returns its findings in page order. Never throws
// for any input: the check advises, it never stops the seller.
QList<Finding> checkPage(const QByteArray& pageBytes, const CheckSettings& settings);

// "エラー", "警告" or "確認", for the list beside the page.
QString severityText(Severity severity);

} // namespace check
