#include "accessible_names.h"
#include "profile/profiles.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"
#include "ui/dialogs/password_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class PasswordDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_app.writeBytes(u"ini/psbin.dat"_s, "\x0A\x09"); // "ab"
        profile::Profiles(m_app.path()).WriteBasicIni(u"yahoo"_s, u"id"_s, u"seller_1"_s);
        m_dialog = std::make_unique<ui::PasswordDialog>(m_app.path(), m_prompter);
        m_dialog->show();
        for (const QString& name : {u"TextOldPass"_s, u"TextNewPass1"_s, u"TextNewPass2"_s})
            m_boxes << m_dialog->findChild<QLineEdit*>(name);
    }
    QStringList typed(const QString& first, const QString& second) {
        m_boxes[1]->setText(first);
        m_boxes[2]->setText(second);
        QTest::keyClick(m_boxes[2], Qt::Key_Return); // the OK button is the default
        return {m_boxes[0]->text(), m_boxes[1]->text(), m_boxes[2]->text()};
    }

    TempAppFolder m_app;
    ScriptedPrompter m_prompter;
    std::unique_ptr<ui::PasswordDialog> m_dialog;
    QList<QLineEdit*> m_boxes;
};

TEST_F(PasswordDialogTest, StoresOnlyTwoEqualStorablePasswords) {
    EXPECT_EQ(m_dialog->findChild<QLabel*>(u"Textyahooid"_s)->text(), u"seller_1"_s);
    for (QLineEdit* box : m_boxes)
        EXPECT_EQ(box->echoMode(), QLineEdit::Password);
    expectAccessibleNamesComplete(m_dialog.get());
    EXPECT_EQ(typed(u"secret"_s, u"secreT"_s), QStringList({u"ab"_s, u"secret"_s, u"secreT"_s}));
    typed(u"漢字"_s, u"漢字"_s);
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(m_app.readBytes(u"ini/psbin.dat"_s), "\x0A\x09");

    typed(u"abc"_s, u"abc"_s);
    EXPECT_EQ(m_prompter.texts, QStringList({u"パスワード１とパスワード２が違います。"_s,
                                             u"オーバーフローしました。 (M1PP 6)"_s,
                                             u"パスワードを更新しました。"_s}));
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(m_app.readBytes(u"ini/psbin.dat"_s), "\x0A\x09\x08");
}

} // namespace
