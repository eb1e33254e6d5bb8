#pragma once

#include "aids/editor.h"
#include "ui/desktop/message_box_prompter.h"

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace ui {

// The built-in plain-text editor: one CP932 file with CR LF line ends, saved on request,
// with a question before unsaved changes are thrown away. Deletes itself when closed.
class NotepadWindow : public QWidget {
    Q_OBJECT
public:
    // Opens `path`; a missing file opens empty and the first save creates it. Throws
    // platform::Error when the file exists but cannot be read. Questions and failures go to
    // `prompter`, or to message boxes over this window when there is none.
    explicit NotepadWindow(const QString& path, platform::Prompter* prompter = nullptr,
                           QWidget* parent = nullptr);

    // Writes the text to the file; false after telling the seller why it could not.
    bool save();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString m_path;
    MessageBoxPrompter m_ownPrompter;
    platform::Prompter* m_prompter;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_close = nullptr;
};

// Opens the built-in notepad as its own window; programs start as the base class starts them.
class NotepadLauncher : public aids::EditorLauncher {
public:
    explicit NotepadLauncher(platform::Prompter* prompter = nullptr) : m_prompter(prompter) {}
    std::unique_ptr<aids::EditorSession> openNotepad(const QString& path) override;

private:
    platform::Prompter* m_prompter;
};

} // namespace ui
