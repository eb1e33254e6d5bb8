#pragma once

#include "core/message_tags.h"
#include "core/workspace.h"
#include "editor.h"
#include "platform/prompter.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace aids {

// A text box's text and its caret: the start of the selection when there is one.
struct CaretText {
    QString text;
    qsizetype caret = 0;
};

// `text` with `inserted` put in at `caret` (kept within the text).
QString InsertAtCaret(const QString& text, qsizetype caret, const QString& inserted);

// An explanation paragraph's file below the application folder and its action's tag.
struct ExplanationFile {
    QStringView file;
    QStringView tag;
};
inline constexpr ExplanationFile kPaymentExplanation{core::Workspace::PaymentPhraseFile,
                                                     core::tag::PaymentExplanation};
inline constexpr ExplanationFile kShippingExplanation{core::Workspace::ShippingPhraseFile,
                                                      core::tag::ShippingExplanation};
inline constexpr ExplanationFile kNotesExplanation{core::Workspace::NotesPhraseFile,
                                                   core::tag::NotesExplanation};

struct PhraseServices {
    QString applicationFolder;
    platform::Prompter* prompter = nullptr;
    EditorLauncher* launcher = nullptr;
};

inline constexpr QStringView kEditorRunningMessage = u"エディタ起動中です。先に終了してください。";

// The phrase buttons of the main window and the editor-running flag that guards them and
// the window's close. One per main window; every call runs on the user-interface thread.
class PhraseEditing {
public:
    explicit PhraseEditing(PhraseServices services);

    // True while an editor started here runs.
    bool editorRunning() const { return m_editorRunning; }
    // The main window's close guard: false, after telling the seller, while an editor runs.
    bool mayCloseMainWindow() const;

    // The description with the stock phrases put in at its caret (a selection stays; the
    // phrases go in at its start) and the caret after them; unchanged when the phrase file
    // cannot be read. The phrases are read from their file: the seller's clipboard is not
    // touched.
    CaretText InsertStockPhrase(const CaretText& description);
    // Opens the stock phrase file in the editor and waits for it to end.
    void EditStockPhrases();
    // Opens an explanation file in the editor and, once the editor has ended, gives the box's
    // new text: the file's text, or empty when it cannot be read. Nothing when the action
    // stopped before (an editor already running, or none could be started).
    std::optional<QString> EditExplanation(const ExplanationFile& explanation);

    // Keeps the user-interface events flowing, and the flag up, until `session` has ended.
    void WaitForEditor(EditorSession& session);

private:
    // True when no editor runs; otherwise tells the seller so.
    bool editorIsFree() const;
    // Starts the editor on `relative` and waits; false after reporting with `tag`.
    bool editAndWait(QStringView relative, QStringView tag);

    PhraseServices m_services;
    core::Workspace m_workspace;
    bool m_editorRunning = false;
};

} // namespace aids
