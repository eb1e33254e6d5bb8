#include "ui/dialogs/notepad_window.h"

#include "platform/error.h"
#include "platform/text_file.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace ui {
namespace {

QString readOrEmpty(const QString& path) {
    try {
        return platform::readText(path);
    } catch (const platform::Error& error) {
        if (error.number() != platform::ErrorNumber::FileNotFound)
            throw;
        return QString();
    }
}

// Ends when its window is gone, however it was closed.
class NotepadSession : public aids::EditorSession {
public:
    explicit NotepadSession(NotepadWindow* window) : m_window(window) {
        connect(window, &QObject::destroyed, this, &aids::EditorSession::ended);
    }
    bool hasEnded() const override { return m_window.isNull(); }

private:
    QPointer<NotepadWindow> m_window;
};

} // namespace

NotepadWindow::NotepadWindow(const QString& path, platform::Prompter* prompter, QWidget* parent)
    : QWidget(parent, Qt::Window), m_path(path), m_ownPrompter(this),
      m_prompter(prompter != nullptr ? prompter : &m_ownPrompter) {
    setObjectName(QStringLiteral("NotepadWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString fileName = QFileInfo(path).fileName();
    setWindowTitle(fileName + QStringLiteral("[*] - メモ帳"));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("NotepadText"));
    m_text->setAccessibleName(fileName + QStringLiteral("の内容"));
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The box holds LF; the file's CR LF come back when it is saved.
    m_text->setPlainText(readOrEmpty(path).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_text->document()->setModified(false);
    connect(m_text->document(), &QTextDocument::modificationChanged, this,
            &QWidget::setWindowModified);

    m_save = new QPushButton(QStringLiteral("保存(&S)"), this);
    m_save->setObjectName(QStringLiteral("NotepadSave"));
    m_close = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    m_close->setObjectName(QStringLiteral("NotepadClose"));
    connect(m_save, &QPushButton::clicked, this, &NotepadWindow::save);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    // Tab types a tab in the text, so saving and closing have keys of their own besides
    // the buttons' Alt letters.
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &NotepadWindow::save);
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(buttons);
    resize(640, 480);
    m_text->setFocus();
}

bool NotepadWindow::save() {
    try {
        platform::writeText(m_path, m_text->toPlainText());
    } catch (const platform::Error& error) {
        m_prompter->inform(error.report(QStringLiteral("Save")));
        return false;
    }
    m_text->document()->setModified(false);
    return true;
}

void NotepadWindow::closeEvent(QCloseEvent* event) {
    // Answering No (or Escape) keeps the window and the changes.
    if (m_text->document()->isModified() &&
        !m_prompter->ask(QStringLiteral("変更が保存されていません。破棄して閉じますか？"))) {
        event->ignore();
        return;
    }
    event->accept();
}

std::unique_ptr<aids::EditorSession> NotepadLauncher::openNotepad(const QString& path) {
    auto* window = new NotepadWindow(path, m_prompter);
    auto session = std::make_unique<NotepadSession>(window);
    window->show();
    window->raise();
    window->activateWindow();
    return session;
}

} // namespace ui
