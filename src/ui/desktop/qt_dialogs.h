#pragma once

#include "platform/dialogs.h"
#include "ui/widgets/qt_colour.h"

class QWidget;

namespace ui {

// The common dialogs on screen: Qt's file and colour dialogs.
class QtDialogs : public platform::Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    std::optional<QString> openFile(const QString& title, const QString& folder,
                                    const QString& filter) override;
    std::optional<platform::ColourValue> pickColour(platform::ColourValue current) override;
    std::optional<QString> saveFile(const QString& title, const QString& path,
                                    const QString& filter) override;
    bool openFolder(const QString& folder) override;

private:
    QWidget* m_parent;
};

// "Description|*.a|Other|*.b;*.c" as Qt's "Description (*.a);;Other (*.b *.c)"; a filter
// already in Qt's form is kept.
QString toQtFileFilter(const QString& filter);

} // namespace ui
