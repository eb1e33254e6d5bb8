// The draft, reopening a finished listing and the about box, from the main window.
#include "content/shipping_composer.h"
#include "page_actions_fixture.h"
#include "ui/dialogs/open_cmp_dialog.h"
#include "ui/dialogs/version_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

class ListingActions : public PageActionsFixture {
protected:
    QString description() const { return m_form->record().TextBox商品説明; }
    void setDescription(const QString& text) {
        child<QPlainTextEdit>(u"TextBox商品説明"_s)->setPlainText(text);
    }
    // Opens "完成ファイルを開く" and lets `act` work the dialog.
    void openFinished(std::function<void(ui::OpenCMPDialog*)> act) {
        whenModalOpens<ui::OpenCMPDialog>(std::move(act));
        trigger(u"mnuCOpen"_s);
    }
    static void chooseTyped(ui::OpenCMPDialog* dialog, const QString& title) {
        dialog->findChild<QLineEdit*>(u"Text1"_s)->setText(title);
        QTest::mouseClick(dialog->findChild<QAbstractButton*>(u"OKButton"_s), Qt::LeftButton);
    }
};

TEST_F(ListingActions, DraftRoundTrip) {
    createWindow();
    showActive();
    trigger(u"mnuSOpen"_s);
    EXPECT_EQ(m_prompter.texts, QStringList{u"下書きファイルはありません。"_s});

    setText(u"TextBoxタイトル"_s, u" 下書きの題 "_s);
    setDescription(u"一行目\n二行目"_s);
    m_prompter.texts.clear();
    m_prompter.answers = {true};
    trigger(u"mnuSaveSita"_s);
    EXPECT_EQ(m_prompter.texts, QStringList{u"下書き保存しますか？"_s});
    EXPECT_EQ(child<QLineEdit>(u"TextBoxタイトル"_s)->text(), u"下書きの題"_s);

    setText(u"TextBoxタイトル"_s, u"別の題"_s);
    setDescription(QString());
    trigger(u"mnuSOpen"_s);
    EXPECT_EQ(child<QLineEdit>(u"TextBoxタイトル"_s)->text(), u"下書きの題"_s);
    // Read back line by line: the last line gets its line break too.
    EXPECT_EQ(description(), u"一行目\r\n二行目\r\n"_s);
}

TEST_F(ListingActions, ReopenOffersFinishedListingsOnlyAndPutsTheChoicesBack) {
    createWindow();
    showActive();
    setText(u"Textyahooid"_s, u"seller1"_s);
    setDescription(u"最初の説明"_s);
    auto* mailBinClass = child<QComboBox>(u"ComboBoxクロネコメール便"_s);
    mailBinClass->setCurrentIndex(2);
    const std::array mailBins = {child<QCheckBox>(u"CheckBoxクロネコメール便_0"_s),
                                 child<QCheckBox>(u"CheckBoxクロネコメール便_1"_s)};
    mailBins[0]->setChecked(true);
    finish(u"一つ目"_s);
    mailBins[0]->setChecked(false);
    mailBinClass->setCurrentIndex(0);
    finish(u"二つ目"_s);
    m_prompter.answers = {true};
    setText(u"TextBoxタイトル"_s, u"下書き"_s);
    trigger(u"mnuSaveSita"_s);

    // The draft is not offered; the typed title below matches nothing.
    setText(u"TextBoxタイトル"_s, u"作業中"_s);
    setDescription(u"今の説明"_s);
    child<QCheckBox>(u"Check注意事項"_s)->setChecked(true);
    const core::ListingRecord before = m_form->record();
    openFinished([](ui::OpenCMPDialog* dialog) {
        QStringList lines;
        const QAbstractItemModel* list = dialog->findChild<QListView*>(u"List1"_s)->model();
        for (int row = 0; row < list->rowCount(); ++row)
            lines << list->index(row, 0).data().toString();
        EXPECT_EQ(lines, QStringList({u"一つ目"_s, u"二つ目"_s}));
        expectAccessibleNamesComplete(dialog);
        chooseTyped(dialog, u"三つ目"_s);
    });
    EXPECT_EQ(m_form->record(), before);

    openFinished([](ui::OpenCMPDialog* dialog) { chooseTyped(dialog, u"一つ目"_s); });
    const core::ListingRecord opened = m_form->record();
    EXPECT_EQ(opened.TextBoxタイトル, u"一つ目"_s);
    EXPECT_EQ(opened.TextBox商品説明, u"最初の説明\r\n"_s);
    EXPECT_EQ(opened.ComboBoxクロネコメール便.position, 2);
    EXPECT_TRUE(mailBins[0]->isChecked());
    EXPECT_TRUE(mailBins[1]->isChecked());
    EXPECT_FALSE(child<QCheckBox>(u"Check注意事項"_s)->isChecked());
    // The summaries follow the opened choices, as after the seller's own clicks.
    const content::ShippingCaptions composed =
        content::ComposeShippingText(opened, m_form->shippingRates());
    EXPECT_EQ(opened.Label送料1, composed.first);
    EXPECT_EQ(opened.Label送料2, composed.second);
}

TEST_F(ListingActions, AMissingDescriptionKeepsTheNewTitleAndTheOldDescription) {
    createWindow();
    showActive();
    setText(u"Textyahooid"_s, u"seller1"_s);
    setDescription(u"保存した説明"_s);
    finish(u"時計"_s);
    ASSERT_TRUE(QFile::remove(m_folder.path(u"data/20240105093000.txt"_s)));
    setText(u"TextBoxタイトル"_s, u"作業中"_s);
    setDescription(u"今の説明"_s);
    m_prompter.texts.clear();
    openFinished([](ui::OpenCMPDialog* dialog) {
        // By keyboard: the list starts without a choice, Space picks the line, Return opens.
        auto* list = dialog->findChild<QListView*>(u"List1"_s);
        auto* text1 = dialog->findChild<QLineEdit*>(u"Text1"_s);
        list->setFocus();
        EXPECT_EQ(text1->text(), QString());
        QTest::keyClick(list, Qt::Key_Space);
        EXPECT_EQ(text1->text(), u"時計"_s);
        QTest::keyClick(list, Qt::Key_Return);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "Return did not open";
            dialog->reject();
        }
    });
    EXPECT_EQ(child<QLineEdit>(u"TextBoxタイトル"_s)->text(), u"時計"_s);
    EXPECT_EQ(description(), u"今の説明"_s);
    EXPECT_EQ(m_prompter.texts, QStringList{u"ファイルが見つかりません。 (mCO 53)"_s});
}

TEST_F(ListingActions, ReopenWithNothingFinishedSaysSo) {
    createWindow();
    showActive();
    const core::ListingRecord before = m_form->record();
    trigger(u"mnuCOpen"_s);
    EXPECT_EQ(m_prompter.texts, QStringList{u"ファイルはありません。"_s});
    EXPECT_EQ(m_form->record(), before);
}

TEST_F(ListingActions, AboutBoxShowsTheVersionAndOpensTheHomePage) {
    m_folder.writeBytes(u"ini/setting.ini"_s,
                        m_folder.readBytes(u"ini/setting.ini"_s) +
                            cp932Lines({u"[web]"_s, u"home=http://127.0.0.1:9/tomoe"_s}));
    createWindow();
    showActive();
    whenModalOpens<ui::VersionDialog>([this](ui::VersionDialog* about) {
        EXPECT_EQ(about->windowTitle(), u"TomoeAのバージョン情報"_s);
        EXPECT_EQ(about->findChild<QLabel*>(u"lblProductName"_s)->text(), u"TomoeA"_s);
        EXPECT_EQ(about->findChild<QLabel*>(u"lblVersion"_s)->text(), u"ﾊﾞｰｼﾞｮﾝ 1.0.0"_s);
        EXPECT_TRUE(
            about->findChild<QLabel*>(u"lblData"_s)->text().endsWith(u"\n"_s + m_folder.path()));
        expectAccessibleNamesComplete(about);
        QTest::mouseClick(about->findChild<QAbstractButton*>(u"Command1"_s), Qt::LeftButton);
        m_browsers.unavailable = true;
        QTest::mouseClick(about->findChild<QAbstractButton*>(u"Command1"_s), Qt::LeftButton);
        QTest::keyClick(about, Qt::Key_Return); // OK is the default button
    });
    trigger(u"mnuVersion"_s);
    ASSERT_EQ(m_browsers.browsers.size(), 1u);
    EXPECT_EQ(m_browsers.browsers[0]->events,
              QStringList({u"navigate http://127.0.0.1:9/tomoe/index.html"_s, u"visible true"_s,
                           u"release"_s}));
    EXPECT_EQ(m_browsers.browsers[0]->kind, web::BrowserKind::Service);
    EXPECT_EQ(m_prompter.texts, QStringList{u"オブジェクトが設定されていません。 (CB5 91)"_s});
}

// The file manager is asked for the folder the window works in; when none can show it,
// the seller is told which folder to look for.
TEST_F(ListingActions, DataFolderOpensOnTheDesktopOrIsNamed) {
    createWindow();
    showActive();
    trigger(u"mnuDataFolder"_s);
    EXPECT_EQ(m_dialogs.openedFolders, QStringList{m_folder.path()});
    EXPECT_TRUE(m_prompter.texts.isEmpty());
    m_dialogs.folderOpens = false;
    trigger(u"mnuDataFolder"_s);
    EXPECT_EQ(m_prompter.texts,
              QStringList{u"データのフォルダーを開けませんでした。\n"_s + m_folder.path()});
}

} // namespace
