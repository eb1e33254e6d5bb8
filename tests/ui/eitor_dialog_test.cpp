#include "accessible_names.h"
#include "profile/profiles.h"
#include "scripted_dialogs.h"
#include "scripted_prompter.h"
#include "temp_app_folder.h"
#include "ui/dialogs/eitor_dialog.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class EitorDialogTest : public ::testing::Test {
protected:
    void open(const QString& editor, const QString& myEditor) {
        m_app.writeLines(u"ini/auction.ini"_s,
                         {u"[Section設定]"_s, u"editor="_s + editor, u"myeditor="_s + myEditor});
        m_dialog = std::make_unique<ui::EitorDialog>(m_app.path(), m_prompter, m_dialogs);
        m_dialog->show();
        m_text = m_dialog->findChild<QLineEdit*>(u"Text1"_s);
    }
    void click(const QString& name) {
        auto* button = m_dialog->findChild<QAbstractButton*>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    }
    QString stored(const QString& key) const {
        return profile::Profiles(m_app.path()).ReadAuctionIni(u"Section設定"_s, key, false);
    }

    TempAppFolder m_app;
    ScriptedPrompter m_prompter;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<ui::EitorDialog> m_dialog;
    QLineEdit* m_text = nullptr;
};

TEST_F(EitorDialogTest, ClosesOnlyWithAnExistingProgramOrNone) {
    open(u"1"_s, u"/no/such/editor"_s);
    EXPECT_TRUE(m_dialog->findChild<QRadioButton*>(u"Option1_1"_s)->isChecked());
    expectAccessibleNamesComplete(m_dialog.get());
    click(u"OKButton"_s);
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
    EXPECT_TRUE(m_dialog->isVisible());
    // On opening, at OK and at Escape; the refused path is not stored either.
    EXPECT_EQ(m_prompter.texts, QStringList(3, u"ファイル名が無効です。再設定してください。"_s));
    EXPECT_EQ(stored(u"editor"_s), u"1"_s);

    m_dialogs.files = {std::nullopt, u"/bin/cat"_s};
    click(u"Command1"_s); // cancelled: nothing changes
    EXPECT_EQ(m_text->text(), u"/no/such/editor"_s);
    click(u"Command1"_s);
    click(u"Option1_0"_s);
    click(u"OKButton"_s);
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_EQ(stored(u"editor"_s), u"0"_s);
    EXPECT_EQ(stored(u"myeditor"_s), u"/bin/cat"_s);
}

} // namespace
