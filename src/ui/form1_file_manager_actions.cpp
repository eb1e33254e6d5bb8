// "ファイルの一覧": the file manager over the finished and listed listings, and the copied
// titles handed back to the clipboard once the seller is back in the main window.
#include "clean_file_dialog.h"
#include "form1.h"
#include "form1_actions.h"
#include "storage/file_manager.h"

#include <QAction>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>

namespace ui {
namespace {

void setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

// Each activation of the main window gives the clipboard back the text it held at start-up.
// When the window only becomes active again after the dialog has gone, this puts the copied
// titles back once that activation has run, and then removes itself.
class ClipboardAfterActivation : public QObject {
public:
    ClipboardAfterActivation(QWidget& window, QString text)
        : QObject(&window), m_window(window), m_text(std::move(text)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_window && event->type() == QEvent::ActivationChange &&
            m_window.isActiveWindow()) {
            m_window.removeEventFilter(this);
            // Queued, so it runs after the window's own activation handling.
            QTimer::singleShot(0, &m_window, [text = m_text] { setClipboardText(text); });
            deleteLater();
        }
        return false;
    }

private:
    QWidget& m_window;
    QString m_text;
};

void ShowFileManager(const Form1Context& c) {
    platform::Prompter& prompter = c.form.prompter();
    const storage::Storage storage{c.form.workspace()};
    if (!storage::FileManagerHasEntries(storage, prompter))
        return;
    QString copied;
    {
        CleanFileDialog dialog(storage, prompter, c.services.browsers, &c.window);
        dialog.exec();
        copied = dialog.copiedTitles();
    }
    if (copied.isEmpty())
        return;
    setClipboardText(copied);
    // Only the latest copy waits for the window; an earlier one still waiting is dropped.
    const QString waiting = QStringLiteral("ClipboardAfterActivation");
    delete c.window.findChild<QObject*>(waiting, Qt::FindDirectChildrenOnly);
    if (!c.window.isActiveWindow())
        (new ClipboardAfterActivation(c.window, copied))->setObjectName(waiting);
}

} // namespace

void connectFileManagerActions(const Form1Context& c) {
    QObject::connect(c.widgets.m_mnurelease, &QAction::triggered, &c.window,
                     [c] { ShowFileManager(c); });
}

} // namespace ui
