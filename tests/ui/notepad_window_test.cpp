#include "accessible_names.h"
#include "platform/cp932.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"
#include "ui/dialogs/notepad_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Notepad : public ::testing::Test {
protected:
    void SetUp() override {
        // ～ is 0x8160 and \ is 0x5C only in CP932's Microsoft form; the last line has no end.
        m_original = cp932Lines({u"よろしくお願いします～"_s, u"C:\\定型"_s, u""_s}) +
                     platform::toCp932(u"ｶﾀｶﾅ"_s, platform::Unmappable::Refuse);
        m_app.writeBytes(u"text/定型文.txt"_s, m_original);
        m_session = m_launcher.openNotepad(m_app.path(u"text/定型文.txt"_s));
        m_window = qobject_cast<ui::NotepadWindow*>(QApplication::topLevelWidgets().constLast());
        ASSERT_NE(m_window, nullptr);
        m_text = m_window->findChild<QPlainTextEdit*>(u"NotepadText"_s);
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
    }
    void click(const QString& button) {
        QTest::mouseClick(m_window->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    TempAppFolder m_app;
    QByteArray m_original;
    ScriptedPrompter m_prompter;
    ui::NotepadLauncher m_launcher{&m_prompter};
    std::unique_ptr<aids::EditorSession> m_session;
    ui::NotepadWindow* m_window = nullptr;
    QPlainTextEdit* m_text = nullptr;
};

TEST_F(Notepad, RoundTripsTheFileAndAsksBeforeDroppingChanges) {
    EXPECT_EQ(m_text->toPlainText(), u"よろしくお願いします～\nC:\\定型\n\nｶﾀｶﾅ"_s);
    expectAccessibleNamesComplete(m_window);
    click(u"NotepadSave"_s);
    EXPECT_EQ(m_app.readBytes(u"text/定型文.txt"_s), m_original);

    m_text->appendPlainText(u"追加"_s);
    m_prompter.answers = {false};
    click(u"NotepadClose"_s);
    EXPECT_TRUE(m_window->isVisible());
    QTest::keyClick(m_text, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_app.readBytes(u"text/定型文.txt"_s),
              m_original + "\r\n" + platform::toCp932(u"追加"_s, platform::Unmappable::Refuse));
    QSignalSpy ended(m_session.get(), &aids::EditorSession::ended);
    QTest::keyClick(m_text, Qt::Key_W, Qt::ControlModifier); // saved: no question this time
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(m_prompter.texts, QStringList{u"変更が保存されていません。破棄して閉じますか？"_s});
}

} // namespace
