// The phrase buttons (stock phrases into the description, the phrase files in an editor),
// the editor settings, and the aids of the title and description fields.
#include "aids/field_aids.h"
#include "aids/phrase_editing.h"
#include "platform/error.h"
#include "ui/desktop/qt_dialogs.h"
#include "ui/dialogs/eitor_dialog.h"
#include "ui/form1/actions/form1_actions.h"
#include "ui/form1/form1.h"
#include "ui/widgets/focus_events.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <array>
#include <memory>
#include <optional>
#include <tuple>

namespace ui {

namespace {

void insertStockPhrase(const Form1Context& c) {
    QPlainTextEdit* box = c.widgets.m_TextBox商品説明;
    // The box keeps its cursor while the button has the focus, so the caret is where the
    // seller left it; with a selection, its start.
    const aids::CaretText before{box->toPlainText(), box->textCursor().selectionStart()};
    const aids::CaretText after = c.phrases.InsertStockPhrase(before);
    const qsizetype inserted = after.text.size() - before.text.size();
    if (inserted <= 0)
        return;
    // Typed in through a cursor rather than set whole, so the seller can undo it.
    const qsizetype at = after.caret - inserted;
    QTextCursor cursor(box->document());
    cursor.setPosition(int(at));
    cursor.insertText(after.text.mid(at, inserted));
    box->setTextCursor(cursor);
}

void editExplanation(const Form1Context& c, const aids::ExplanationFile& file,
                     QPlainTextEdit* box) {
    std::optional<QString> text = c.phrases.EditExplanation(file);
    if (!text)
        return;
    // The file's CR LF become the box's own line breaks.
    box->setPlainText(text->replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void showEditorSettings(const Form1Context& c) {
    // Without common dialogs from outside (a test's window), Qt's own are used.
    std::unique_ptr<QtDialogs> ownDialogs;
    platform::Dialogs* dialogs = c.services.dialogs;
    if (dialogs == nullptr) {
        ownDialogs = std::make_unique<QtDialogs>(&c.window);
        dialogs = ownDialogs.get();
    }
    try {
        EitorDialog dialog(c.services.applicationFolder, *c.services.prompter, *dialogs, &c.window);
        dialog.exec();
    } catch (const platform::Error& error) {
        c.services.prompter->inform(error.report(QStringLiteral("mnuediter")));
    }
}

void stripTitleQuotes(QLineEdit* title) {
    if (title->text().isEmpty())
        return;
    const QString stripped = aids::StripTitleQuotes(title->text());
    // Writing back only a changed title keeps the seller's caret and undo history otherwise.
    if (stripped != title->text())
        title->setText(stripped);
}

} // namespace

void connectPhraseActions(const Form1Context& c) {
    Form1Widgets& w = c.widgets;
    QObject::connect(w.m_Command定型文を挿入, &QPushButton::clicked, &c.window,
                     [c] { insertStockPhrase(c); });
    QObject::connect(w.m_Command定型文を編集, &QPushButton::clicked, &c.window,
                     [c] { c.phrases.EditStockPhrases(); });
    const std::array<std::tuple<QPushButton*, aids::ExplanationFile, QPlainTextEdit*>, 3>
        explanations{{{w.m_CommandButton9, aids::kPaymentExplanation, w.m_Text支払説明},
                      {w.m_CommandButton15, aids::kShippingExplanation, w.m_Text発送注意事項},
                      {w.m_CommandButton18, aids::kNotesExplanation, w.m_Text注意事項}}};
    for (const auto& [button, file, box] : explanations) {
        QObject::connect(button, &QPushButton::clicked, &c.window,
                         [c, file, box] { editExplanation(c, file, box); });
    }
    QObject::connect(w.m_mnuediter, &QAction::triggered, &c.window, [c] { showEditorSettings(c); });

    // Every change counts, the program's own (a listing loaded, a clear) included.
    QLineEdit* title = w.m_TextBoxタイトル;
    QLabel* counter = w.m_Label12;
    QObject::connect(title, &QLineEdit::textChanged, counter, [counter](const QString& text) {
        counter->setText(aids::UpdateTitleCounter(text));
    });
    onFocusOut(title, [title] { stripTitleQuotes(title); });
    QObject::connect(w.m_Command3, &QPushButton::clicked, title, &QLineEdit::clear);

    QPlainTextEdit* description = w.m_TextBox商品説明;
    QObject::connect(w.m_CommandButton6, &QPushButton::clicked, description, [c, description] {
        if (!aids::ClearDescription(*c.services.prompter))
            return;
        description->clear();
        description->setFocus();
    });
}

} // namespace ui
