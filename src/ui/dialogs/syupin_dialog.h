#pragma once

#include "aids/clipboard.h"

#include <QDialog>

class QLineEdit;

namespace ui {

// "出品案内": the listing's title and its page, with buttons that put each on the clipboard
// for the auction's listing form. The page view is made by the caller (it needs the web
// component, which is loaded on first use); without one the dialog still copies.
class SyupinDialog : public QDialog {
    Q_OBJECT
public:
    SyupinDialog(const QString& listingTitle, const QString& pageText, QWidget* pageView,
                 aids::Clipboard& clipboard, QWidget* parent = nullptr);

    // The page's text as "商品案内をコピー" puts it on the clipboard.
    const QString& pageText() const { return m_pageText; }

private:
    QLineEdit* m_TextTitle;
    QString m_pageText;
    aids::Clipboard& m_clipboard;
};

// The page file's text exactly as written (commas, quotes, blanks and CR LF kept): the seller
// pastes it into the listing form as the page.
QString listingPageText(const QString& pagePath);

} // namespace ui
