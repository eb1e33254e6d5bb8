#pragma once

#include <QDialog>

namespace ui {

// The about box: product name, version, notices and the button to the home page. The
// window opens the home page itself when the button asks for it.
class VersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit VersionDialog(QWidget* parent = nullptr);

signals:
    void homePageRequested();
};

} // namespace ui
