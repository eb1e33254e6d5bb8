#include "aids/phrase_editing.h"
#include "profile/profiles.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"

#include <QCloseEvent>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Records the files it was opened on; each such notepad is closed at once.
struct FakeNotepad : aids::EditorLauncher {
    struct Closed : aids::EditorSession {
        bool hasEnded() const override { return true; }
    };
    QStringList opened;
    std::unique_ptr<aids::EditorSession> openNotepad(const QString& path) override {
        opened << path;
        return std::make_unique<Closed>();
    }
};

class PhraseEditingTest : public ::testing::Test {
protected:
    void setEditor(const QString& editor, const QString& myEditor) {
        m_app.writeLines(u"ini/auction.ini"_s,
                         {u"[Section設定]"_s, u"editor="_s + editor, u"myeditor="_s + myEditor});
    }

    TempAppFolder m_app;
    ScriptedPrompter m_prompter;
    FakeNotepad m_notepad;
    aids::PhraseEditing m_editing{{m_app.path(), &m_prompter, &m_notepad}};
};

struct InsertCase {
    const char* name;
    aids::CaretText description;
    QByteArray file;
    aids::CaretText expected;
    QStringList messages;
};
void PrintTo(const InsertCase& c, std::ostream* os) {
    *os << c.name;
}

const QByteArray kPhrases = cp932Lines({u"よろしく"_s, u"<b>発送</b>"_s});
const QString kInserted = u"よろしく\n<b>発送</b>\n"_s; // as a text box holds it

class InsertStockPhrase : public PhraseEditingTest,
                          public ::testing::WithParamInterface<InsertCase> {};

TEST_P(InsertStockPhrase, InsertsAtTheCaret) {
    m_app.writeBytes(u"text/定型文.txt"_s, GetParam().file);
    const aids::CaretText result = m_editing.InsertStockPhrase(GetParam().description);
    EXPECT_EQ(result.text, GetParam().expected.text);
    EXPECT_EQ(result.caret, GetParam().expected.caret);
    EXPECT_EQ(m_prompter.texts, GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, InsertStockPhrase,
    ::testing::Values(
        InsertCase{"empty description", {}, kPhrases, {kInserted, kInserted.size()}, {}},
        // The caret is where the selection starts; the selection itself stays.
        InsertCase{"caret in the middle",
                   {u"前後"_s, 1},
                   kPhrases,
                   {u"前"_s + kInserted + u"後"_s, 1 + kInserted.size()},
                   {}},
        InsertCase{"empty phrase file",
                   {u"説明"_s, 2},
                   QByteArray(),
                   {u"説明"_s, 2},
                   {u"ファイルにこれ以上データがありません。 (Insert 62)"_s}}));

TEST_F(PhraseEditingTest, UnusableOwnEditorIsSetBackToTheNotepad) {
    setEditor(u"1"_s, u"/tmp"_s); // a folder is no program
    m_editing.EditStockPhrases();
    EXPECT_EQ(m_notepad.opened, QStringList{m_app.path(u"text/定型文.txt"_s)});
    EXPECT_EQ(m_prompter.texts, QStringList{u"エディタ名が無効です。再設定してください。"_s});
    EXPECT_EQ(profile::Profiles(m_app.path()).ReadAuctionIni(u"Section設定"_s, u"editor"_s, false),
              u"0"_s);
}

// Stands for the main window: its close asks the guard.
struct GuardedWindow : QWidget {
    aids::PhraseEditing* editing = nullptr;
    void closeEvent(QCloseEvent* event) override {
        event->setAccepted(editing->mayCloseMainWindow());
    }
};

TEST_F(PhraseEditingTest, OwnEditorReloadsTheBoxOnlyAfterItEndsAndGuardsMeanwhile) {
    m_app.writeBytes(u"text/支払い説明.txt"_s, cp932Lines({u"古い説明"_s}));
    m_app.writeBytes(u"new.txt"_s, cp932Lines({u"新しい説明"_s}));
    // In a folder with a blank; logs its argument, rewrites the file at once and ends when
    // the test says so (or after ten seconds, so a failing test cannot hang).
    m_app.writeBytes(u"my editor/edit.sh"_s, "#!/bin/sh\nhere=$(dirname \"$0\")\n"
                                             "echo \"$1\" >> \"$here/started\"\n"
                                             "cp \"$here/../new.txt\" \"$1\"\n"
                                             "for i in $(seq 500); do\n"
                                             "  [ -e \"$here/go\" ] && exit 0; sleep 0.02\n"
                                             "done\n");
    QFile::setPermissions(m_app.path(u"my editor/edit.sh"_s), QFile::ReadOwner | QFile::ExeOwner);
    setEditor(u"1"_s, m_app.path(u"my editor/edit.sh"_s));
    GuardedWindow window;
    window.editing = &m_editing;

    bool checkedWhileRunning = false;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return m_app.readBytes(u"text/支払い説明.txt"_s) == m_app.readBytes(u"new.txt"_s);
        }));
        m_editing.EditStockPhrases();
        EXPECT_FALSE(window.close());
        EXPECT_EQ(m_prompter.texts, QStringList(2, aids::kEditorRunningMessage.toString()));
        checkedWhileRunning = true;
        m_app.writeBytes(u"my editor/go"_s, "");
    });
    const std::optional<QString> box = m_editing.EditExplanation(aids::kPaymentExplanation);

    // Without the wait the box would get the old text, before the checks above have run.
    EXPECT_TRUE(checkedWhileRunning);
    EXPECT_EQ(box, u"新しい説明\r\n"_s);
    // The file went as one argument, and the refused edit started nothing.
    EXPECT_EQ(m_app.readBytes(u"my editor/started"_s),
              m_app.path(u"text/支払い説明.txt"_s).toUtf8() + "\n");
    setEditor(u"0"_s, QString());
    m_editing.EditStockPhrases();
    EXPECT_EQ(m_notepad.opened.size(), 1);
    EXPECT_TRUE(window.close());
}

} // namespace
