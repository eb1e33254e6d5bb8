#pragma once

#include <QDialog>

namespace ui {

// The about box: product name, version, notices, the folder that holds the seller's data
// and the button to the home page. The window opens the home page itself when the button
// asks for it.
class VersionDialog : public QDialog {
    Q_OBJECT
public:
    explicit VersionDialog(const QString& dataFolder, QWidget* parent = nullptr);

signals:
    void homePageRequested();
};

} // namespace ui
