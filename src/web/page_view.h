#pragma once

#include <QWidget>

namespace web {

// A page shown inside a window of the program, such as the listing guide.
// Made by BrowserFactory::createPageView; its parent owns it.
class PageView : public QWidget {
public:
    using QWidget::QWidget;
    // Shows the local page at `path` (a full path); returns before it has loaded.
    virtual void showFile(const QString& path) = 0;
};

} // namespace web
