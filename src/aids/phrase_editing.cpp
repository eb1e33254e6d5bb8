#include "phrase_editing.h"

#include "phrase_file.h"
#include "platform/error.h"
#include "profile/profiles.h"

#include <QEventLoop>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <algorithm>
#include <utility>

namespace aids {

QString InsertAtCaret(const QString& text, qsizetype caret, const QString& inserted) {
    caret = std::clamp<qsizetype>(caret, 0, text.size());
    return text.left(caret) + inserted + text.mid(caret);
}

PhraseEditing::PhraseEditing(PhraseServices services)
    : m_services(std::move(services)), m_workspace{m_services.applicationFolder} {}

bool PhraseEditing::mayCloseMainWindow() const {
    return editorIsFree();
}

bool PhraseEditing::editorIsFree() const {
    if (!m_editorRunning)
        return true;
    m_services.prompter->inform(kEditorRunningMessage.toString());
    return false;
}

CaretText PhraseEditing::InsertStockPhrase(const CaretText& description) {
    CaretText result = description;
    std::optional<QString> phrase =
        loadPhraseFile(m_workspace.path(core::Workspace::StockPhraseFile), *m_services.prompter);
    if (!phrase)
        return result;
    // A text box holds its line breaks as LF, so the file's CR LF go in as LF and the caret
    // lands right after the phrases.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n?"));
    phrase->replace(lineEnd, QStringLiteral("\n"));
    result.caret = std::clamp<qsizetype>(description.caret, 0, description.text.size());
    result.text = InsertAtCaret(description.text, result.caret, *phrase);
    result.caret += phrase->size();
    return result;
}

void PhraseEditing::EditStockPhrases() {
    // The phrases are read at each insertion, so nothing is reloaded afterwards.
    editAndWait(core::Workspace::StockPhraseFile, u"Command定型文を編集");
}

std::optional<QString> PhraseEditing::EditExplanation(const ExplanationFile& explanation) {
    if (!editAndWait(explanation.file, explanation.tag))
        return std::nullopt;
    return loadPhraseFile(m_workspace.path(explanation.file), *m_services.prompter)
        .value_or(QString());
}

bool PhraseEditing::editAndWait(QStringView relative, QStringView tag) {
    if (!editorIsFree())
        return false;
    try {
        const profile::Profiles profiles(m_services.applicationFolder);
        const std::unique_ptr<EditorSession> session = StartEditor(
            m_workspace.path(relative), profiles, *m_services.launcher, *m_services.prompter);
        WaitForEditor(*session);
        return true;
    } catch (const platform::Error& error) {
        m_services.prompter->inform(error.report(tag));
        return false;
    }
}

void PhraseEditing::WaitForEditor(EditorSession& session) {
    const QScopedValueRollback<bool> running(m_editorRunning, true);
    // The session can only end from an event, so it cannot end unseen between the check
    // and the loop.
    if (session.hasEnded())
        return;
    QEventLoop loop;
    QObject::connect(&session, &EditorSession::ended, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace aids
