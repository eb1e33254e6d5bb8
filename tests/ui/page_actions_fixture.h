#pragma once

#include "accessible_names.h"
#include "fake_browser.h"
#include "form1_fixture.h"
#include "modal.h"
#include "scripted_dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QTest>

// Messages and fields read as text in failure output.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A main window with scripted common dialogs and a fake browser, over a workspace that has
// the folders and the built-in templates a first run writes.
class PageActionsFixture : public Form1Fixture {
protected:
    void SetUp() override;

    ui::Form1& createWindow();
    void click(const QString& button) {
        auto* widget = child<QAbstractButton>(button);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
    }
    void trigger(const QString& action) { child<QAction>(action)->trigger(); }
    void setText(const QString& field, const QString& text) {
        child<QLineEdit>(field)->setText(text);
    }
    // The page of the listing titled `title` as finish and list write it.
    QString finishedPage(const QString& fullWidthTitle) const {
        return m_folder.path(QStringLiteral("userdata/") + fullWidthTitle +
                             QStringLiteral(".html"));
    }
    // Finishes the window's listing, answering Yes to the question.
    void finish(const QString& title);

    ScriptedDialogs m_dialogs;
    FakeBrowserFactory m_browsers;
};
