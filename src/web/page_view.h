#pragma once

#include "check/page_check.h"

#include <QWidget>

namespace web {

// A page shown inside a window of the program, such as the listing guide.
// Made by PageViewFactory::createPageView; its parent owns it.
class PageView : public QWidget {
public:
    using QWidget::QWidget;
    // Shows the local page at `path` (a full path); returns before it has loaded.
    virtual void showFile(const QString& path) = 0;
    // Shows the page check's findings in a list beside the page; picking one scrolls the
    // page to it.
    virtual void showFindings(const QList<check::Finding>& findings) = 0;
};

// Makes the page views; throws platform::Error 91 when none is available.
class PageViewFactory {
public:
    virtual ~PageViewFactory() = default;
    // A page view owned by `parent`, for a page the program wrote (BrowserKind::Page).
    virtual PageView* createPageView(QWidget* parent) = 0;
};

} // namespace web
