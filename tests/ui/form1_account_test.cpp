// The account page and the web actions as the seller reaches them from the main window.
#include "aids/password_file.h"
#include "fake_browser.h"
#include "form1_fixture.h"
#include "profile/profiles.h"
#include "ui/dialogs/password_dialog.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class Form1Account : public Form1Fixture {
protected:
    void SetUp() override {
        Form1Fixture::SetUp();
        const profile::Profiles profiles(m_folder.path());
        profiles.WriteSettingIni(u"web"_s, u"japanpost"_s, u"http://127.0.0.1:9/post"_s);
        profiles.WriteSettingIni(u"web"_s, u"yamato"_s, u"http://127.0.0.1:9/yamato"_s);
        m_form = std::make_unique<ui::Form1>(
            ui::Form1Services{m_folder.path(), &m_prompter, nullptr, &m_clock, &m_browsers});
        showActive();
    }
    QString storedId() const {
        return profile::Profiles(m_folder.path()).ReadBasicIni(u"yahoo"_s, u"id"_s, false);
    }
    QStringList navigations() const {
        QStringList found;
        for (const auto& browser : m_browsers.browsers)
            found += browser->events.filter(u"navigate "_s);
        return found;
    }

    FakeBrowserFactory m_browsers;
};

TEST_F(Form1Account, EveryLeavingOfTheIdFieldStoresIt) {
    m_form->showPage(3);
    auto* id = child<QLineEdit>(u"Textyahooid"_s);
    id->setFocus();
    id->setText(u"seller_9"_s);
    QTest::keyClick(id, Qt::Key_Tab);
    EXPECT_EQ(storedId(), u"seller_9"_s);

    // Changed behind the window's back, then left again without typing: the field wins.
    profile::Profiles(m_folder.path()).WriteBasicIni(u"yahoo"_s, u"id"_s, u"other"_s);
    id->setFocus();
    QTest::keyClick(id, Qt::Key_Tab);
    EXPECT_EQ(storedId(), u"seller_9"_s);
}

TEST_F(Form1Account, PasswordButtonOpensTheDialogOverTheWindow) {
    // Read while it is open: the dialog is gone once the click returns.
    bool passwordDialog = false;
    bool overTheWindow = false;
    QString current = u"not read"_s;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        if (!shown)
            return;
        passwordDialog = qobject_cast<ui::PasswordDialog*>(shown) != nullptr;
        overTheWindow = shown->parentWidget() == m_form.get();
        current = shown->findChild<QLineEdit*>(u"TextOldPass"_s)->text();
        shown->close();
    });
    child<QPushButton>(u"CommandPass"_s)->click();
    EXPECT_TRUE(passwordDialog);
    EXPECT_TRUE(overTheWindow);
    // No password file yet: nothing to show, and an empty file from then on.
    EXPECT_EQ(current, QString());
    EXPECT_EQ(m_folder.readBytes(u"ini/psbin.dat"_s), QByteArray());
}

TEST_F(Form1Account, WebActionsOpenTheirAddresses) {
    child<QPushButton>(u"CommandButton5"_s)->click();
    child<QPushButton>(u"CommandButton4"_s)->click();
    child<QAction>(u"mnumanyu"_s)->trigger();
    EXPECT_EQ(navigations(), (QStringList{u"navigate http://127.0.0.1:9/post"_s,
                                          u"navigate http://127.0.0.1:9/yamato"_s,
                                          u"navigate qrc:/manual/index.html"_s}));
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

// The stored ID and password go into their own fields of the login page named in
// setting.ini, then the status page opens; the search goes to the store's address.
TEST_F(Form1Account, LoginFillsTheIdAndPasswordFieldsThenOpensTheStatusPage) {
    const profile::Profiles profiles(m_folder.path());
    profiles.WriteSettingIni(u"web"_s, u"login"_s, u"http://127.0.0.1:9/login"_s);
    profiles.WriteSettingIni(u"web"_s, u"mystatus"_s, u"http://127.0.0.1:9/status"_s);
    profiles.WriteSettingIni(u"web"_s, u"store"_s, u"http://127.0.0.1:9/store"_s);
    profiles.WriteBasicIni(u"yahoo"_s, u"id"_s, u"seller_1"_s);
    ASSERT_TRUE(aids::WriteAccountPassword(m_folder.path(), u"pw-2"_s, m_prompter));
    m_browsers.pages[u"http://127.0.0.1:9/login"_s] =
        FakePage{{FakeForm{{{u"login"_s, {}}, {u"passwd"_s, {}}}, {}}}, {}, {}};
    m_browsers.pages[u"http://127.0.0.1:9/store"_s] =
        FakePage{{FakeForm{{{u"field-keywords"_s, {}}}, {}}}, {}, {}};
    child<QAction>(u"mnumypage"_s)->trigger();
    child<QLineEdit>(u"TextBoxJAN"_s)->setText(u"4901234567894"_s);
    child<QPushButton>(u"CBJAN検索"_s)->click();

    EXPECT_TRUE(m_prompter.texts.isEmpty()) << m_prompter.texts.join(u'\n').toStdString();
    ASSERT_EQ(m_browsers.browsers.size(), 2u);
    const auto kept = [](const QStringList& events) {
        return QStringList(events).filter(QRegularExpression(u"^(navigate|set|submit)"_s));
    };
    EXPECT_EQ(kept(m_browsers.browsers[0]->events),
              (QStringList{u"navigate http://127.0.0.1:9/login"_s, u"set 0 login=seller_1"_s,
                           u"set 0 passwd=pw-2"_s, u"submit 0"_s,
                           u"navigate http://127.0.0.1:9/status"_s}));
    EXPECT_EQ(kept(m_browsers.browsers[1]->events).value(0),
              u"navigate http://127.0.0.1:9/store"_s);
}

TEST_F(Form1Account, WebActionsThatCannotStartOpenNoBrowser) {
    child<QLineEdit>(u"TextBoxJAN"_s)->clear();
    child<QPushButton>(u"CBJAN検索"_s)->click();
    // An ID but no password file at all: the login asks for the registration, and the
    // password file exists (empty) from then on.
    profile::Profiles(m_folder.path()).WriteBasicIni(u"yahoo"_s, u"id"_s, u"seller_1"_s);
    child<QAction>(u"mnumypage"_s)->trigger();
    EXPECT_EQ(
        m_prompter.texts,
        (QStringList{u"検索文字(JANコードでもOK)を入力してください"_s,
                     u"基本情報＆注意事項の画面でYahoo!ID,パスワードの登録をしてください。"_s}));
    EXPECT_TRUE(m_browsers.browsers.empty());
    EXPECT_EQ(m_folder.readBytes(u"ini/psbin.dat"_s), QByteArray());
}

} // namespace
