#pragma once

#include "default_text_files.h"
#include "fixed_clock.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"
#include "ui/form1/form1.h"

#include <QSignalSpy>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// A text the seller copied in another program, on the system clipboard, and every write to
// the clipboard after it: putting the same text back counts as a write too.
class SellersClipboard {
public:
    explicit SellersClipboard(const QString& text);
    // Success when the clipboard still holds the text and nothing has written it since.
    ::testing::AssertionResult untouched() const;

private:
    QString m_text;
    std::unique_ptr<QSignalSpy> m_writes;
};

// A main window over a temporary application folder as a first run leaves it: the three
// profile files, the region list, the link file, the rate table and the three explanation
// files; each test may change those files before createForm().
class Form1Fixture : public ::testing::Test {
public:
    void writeTextFile(const QString& name, const QStringList& lines) const;
    void removeTextFile(const QString& name) const;
    // The path the window reports for a file of the text folder.
    QString textFilePath(const QString& name) const;

protected:
    void SetUp() override;

    ui::Form1& createForm();
    // The widget `name` of the window; a missing widget fails the test where it is asked for.
    template <typename Widget> Widget* child(const QString& name) const {
        auto* widget = m_form->findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << "no widget " << name.toStdString();
        return widget;
    }
    // Shows the window and waits until it is the active one.
    void showActive();
    // Another window takes the activation and gives it back, as a dialog of the program does.
    void leaveAndComeBack();

    TempAppFolder m_folder;
    ScriptedPrompter m_prompter;
    FixedClock m_clock;
    std::unique_ptr<ui::Form1> m_form;
};
