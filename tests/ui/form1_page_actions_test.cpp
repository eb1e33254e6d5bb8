// Template choice, preview, finish and list as the seller starts them from the main window.
#include "page/assemble_page.h"
#include "page_actions_fixture.h"
#include "platform/cp932.h"
#include "profile/profiles.h"
#include "storage/listing_index.h"
#include "ui/desktop/system_clipboard.h"
#include "ui/dialogs/syupin_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

class PageActions : public PageActionsFixture {
protected:
    storage::ListingIndex index() const {
        return storage::readIndex(storage::Storage{core::Workspace{m_folder.path()}});
    }
    bool exists(const QString& relative) const { return QFile::exists(m_folder.path(relative)); }
    // The index and nothing else in data/.
    QStringList dataFiles() const { return QDir(m_folder.path(u"data"_s)).entryList(QDir::Files); }
};

TEST_F(PageActions, TemplateChoiceKeepsTheNameAndCancelChangesNothing) {
    createWindow();
    showActive();
    auto* label = child<QLabel>(u"Label15"_s);
    const QString before = label->text();
    m_dialogs.files = {std::nullopt, u"/somewhere/else/mine.tmpl"_s};
    click(u"CommandButton19"_s);
    EXPECT_EQ(label->text(), before);
    click(u"CommandButton19"_s);
    EXPECT_EQ(label->text(), u"テンプレート：mine.tmpl"_s);
    EXPECT_EQ(m_dialogs.fileFolders, QStringList(2, m_folder.path(u"template"_s)));

    // Only the name counts: no mine.tmpl in the template folder, so the preview says so and
    // is made from the built-in template, then shown all the same.
    setText(u"TextBoxタイトル"_s, u"題"_s);
    click(u"ButtonPreview"_s);
    EXPECT_EQ(m_prompter.texts, QStringList{page::kMissingTemplateMessage.toString()});
    ASSERT_EQ(m_browsers.browsers.size(), 1u);
    EXPECT_TRUE(exists(u"template/preview.html"_s));
}

TEST_F(PageActions, PreviewTidiesTheTitleAndShowsThePageInANewBrowser) {
    createWindow();
    showActive();
    setText(u"TextBoxタイトル"_s, u"  置き時計  "_s);
    // The first-run template and footer add no findings: the phone number is the only one.
    child<QPlainTextEdit>(u"TextBox商品説明"_s)->setPlainText(u"お急ぎの方は 090-1234-5678 まで"_s);
    click(u"ButtonPreview"_s);
    click(u"ButtonPreview"_s);
    EXPECT_EQ(child<QLineEdit>(u"TextBoxタイトル"_s)->text(), u"置き時計"_s);
    EXPECT_TRUE(m_prompter.texts.isEmpty()) << m_prompter.texts.join(u'|').toStdString();
    const QString page = m_folder.path(u"template/preview.html"_s);
    ASSERT_EQ(m_browsers.browsers.size(), 2u); // one window for each preview
    // The page is checked off the window's thread; the browser is let go once it shows the
    // findings.
    const QStringList& events = m_browsers.browsers[1]->events;
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.last() == u"release"_s; }));
    EXPECT_EQ(events.value(0), u"navigate "_s + page);
    EXPECT_TRUE(events.contains(u"visible true"_s));
    EXPECT_EQ(events.last(), u"release"_s); // the window stays open for the seller
    EXPECT_EQ(m_browsers.browsers[1]->kind, web::BrowserKind::Page);
    const auto findings = m_browsers.browsers[1]->findings.value_or(QList<check::Finding>{});
    ASSERT_EQ(findings.size(), 1);
    EXPECT_EQ(findings.front().text, u"090-1234-5678"_s);
    EXPECT_TRUE(m_folder.readBytes(u"template/preview.html"_s)
                    .contains(cp932Lines({u"置き時計"_s}).chopped(2)));
}

TEST_F(PageActions, PreviewHoldsTheStyleBroughtIntoRange) {
    profile::Profiles profiles(m_folder.path());
    profiles.WriteSettingIni(u"disp"_s, u"width"_s, u"7"_s);
    createWindow();
    showActive();
    m_prompter.texts.clear(); // the activation's report of the bad width
    setText(u"TextBoxタイトル"_s, u"題"_s);
    click(u"ButtonPreview"_s);
    EXPECT_TRUE(m_folder.readBytes(u"template/preview.html"_s).contains("width=640 "));
    // Held from now on: the next activation shows it and the exit save keeps it.
    leaveAndComeBack();
    EXPECT_EQ(child<QComboBox>(u"ComboBox表示幅"_s)->currentIndex(), 0);
    m_form->close();
    EXPECT_EQ(profiles.ReadSettingIni(u"disp"_s, u"width"_s), u"0"_s);
}

TEST_F(PageActions, PreviewStopsAtTheTitleRulesAndPreviewAndListReportAMissingBrowser) {
    createWindow();
    showActive();
    setText(u"TextBoxタイトル"_s, u"   "_s);
    click(u"ButtonPreview"_s);
    EXPECT_EQ(m_prompter.texts, QStringList{u"タイトル名は必ず入力します。"_s});
    EXPECT_FALSE(exists(u"template/preview.html"_s));

    m_prompter.texts.clear();
    m_browsers.unavailable = true;
    setText(u"TextBoxタイトル"_s, u"題"_s);
    click(u"ButtonPreview"_s);
    EXPECT_EQ(m_prompter.texts, QStringList{u"オブジェクトが設定されていません。 (CB12 91)"_s});
    EXPECT_TRUE(exists(u"template/preview.html"_s)); // the page was written before

    // The listing guide opens all the same, with the page's text to copy.
    m_prompter.texts.clear();
    bool opened = false;
    whenModalOpens<ui::SyupinDialog>([&](ui::SyupinDialog* guide) {
        opened = true;
        EXPECT_FALSE(guide->pageText().isEmpty());
        guide->reject();
    });
    click(u"Command2"_s);
    EXPECT_TRUE(opened);
    EXPECT_EQ(m_prompter.texts, QStringList{u"オブジェクトが設定されていません。 (Command2 91)"_s});
}

TEST_F(PageActions, FinishingTwiceKeepsOneEntryAndOnePage) {
    createWindow();
    showActive();
    setText(u"Textyahooid"_s, u"seller1"_s);
    child<QPlainTextEdit>(u"TextBox商品説明"_s)->setPlainText(u"first-description"_s);
    finish(u"Bag 1"_s);
    child<QPlainTextEdit>(u"TextBox商品説明"_s)->setPlainText(u"second-description"_s);
    finish(u"Bag 1"_s);

    EXPECT_EQ(m_prompter.texts, QStringList(2, u"保存しますか？"_s));
    const storage::ListingIndex entries = index();
    ASSERT_EQ(titlesOf(entries, storage::EntryKind::Finished), QStringList{u"Bag 1"_s});
    const QString second = u"20240105093100"_s;
    EXPECT_EQ(findEntry(entries, storage::EntryKind::Finished, u"Bag 1"_s)->fileName, second);
    EXPECT_FALSE(exists(u"data/20240105093000.dat"_s));
    EXPECT_FALSE(exists(u"data/20240105093000.txt"_s));
    EXPECT_TRUE(exists(u"data/"_s + second + u".dat"_s));
    EXPECT_TRUE(exists(u"data/"_s + second + u".txt"_s));
    // The half-width title names the page in its full-width form; the second finish
    // overwrote the first page.
    QFile page(finishedPage(u"Ｂａｇ　１"_s));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QByteArray bytes = page.readAll();
    EXPECT_TRUE(bytes.contains("second-description"));
    EXPECT_FALSE(bytes.contains("first-description"));
}

TEST_F(PageActions, FinishWritesNothingWithoutYesOrWithoutAnId) {
    createWindow();
    showActive();
    const QByteArray index = m_folder.readBytes(u"data/tm1.dat"_s);
    setText(u"Textyahooid"_s, u"seller1"_s);
    setText(u"TextBoxタイトル"_s, u"題"_s);
    m_prompter.answers = {false};
    trigger(u"mnuSaveComp"_s);
    EXPECT_EQ(m_prompter.texts, QStringList{u"保存しますか？"_s});

    // No question at all (an unscripted one fails the test), and page 3 to enter the ID.
    m_prompter.texts.clear();
    setText(u"Textyahooid"_s, QString());
    click(u"Command1"_s);
    EXPECT_EQ(m_prompter.texts, QStringList{u"Yahoo!IDを登録してください"_s});
    EXPECT_EQ(child<QTabWidget>(u"SSTab1"_s)->currentIndex(), 3);

    EXPECT_EQ(m_folder.readBytes(u"data/tm1.dat"_s), index);
    EXPECT_EQ(dataFiles(), QStringList{u"tm1.dat"_s});
    EXPECT_TRUE(QDir(m_folder.path(u"userdata"_s)).entryList(QDir::Files).isEmpty());
}

TEST_F(PageActions, ListOpensTheGuideWithTheTitleAndThePageText) {
    createWindow();
    showActive();
    setText(u"TextBoxタイトル"_s, u" 腕時計 "_s);
    // A field that starts with a quote and one with leading blanks, for a piece reader.
    child<QPlainTextEdit>(u"TextBox商品説明"_s)
        ->setPlainText(u"価格 1,980円\n特価,\"限定\" 品,  送料別 090-1234-5678"_s);
    QString copied;
    QStringList shownFiles;
    std::optional<QList<check::Finding>> findings;
    whenModalOpens<ui::SyupinDialog>([&](ui::SyupinDialog* guide) {
        EXPECT_EQ(guide->windowTitle(), u"出品案内"_s);
        EXPECT_EQ(guide->findChild<QLineEdit*>(u"TextTitle"_s)->text(), u"腕時計"_s);
        expectAccessibleNamesComplete(guide);
        auto* copy = guide->findChild<QAbstractButton*>(u"Command2"_s);
        QTest::mouseClick(copy, Qt::LeftButton);
        copied = QGuiApplication::clipboard()->text();
        if (!m_browsers.pageViews.empty() && m_browsers.pageViews.front()) {
            // The findings come once the page is checked, off the window's thread.
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return m_browsers.pageViews.front()->findings.has_value(); }));
            shownFiles = m_browsers.pageViews.front()->shownFiles;
            findings = m_browsers.pageViews.front()->findings;
        }
        QTest::mouseClick(guide->findChild<QAbstractButton*>(u"CancelButton"_s), Qt::LeftButton);
    });
    click(u"Command2"_s);

    const QString page = finishedPage(u"腕時計"_s);
    EXPECT_EQ(shownFiles, QStringList{page});
    // The page check advises beside the guide's page too.
    ASSERT_EQ(findings.value_or(QList<check::Finding>{}).size(), 1);
    EXPECT_EQ(findings->front().text, u"090-1234-5678"_s);
    // The page as written, every template line ending in CR LF.
    EXPECT_EQ(platform::toCp932(copied, platform::Unmappable::Refuse),
              m_folder.readBytes(u"userdata/腕時計.html"_s));
    EXPECT_TRUE(copied.contains(u"1,980円<br>特価,\"限定\" 品,  送料別"_s)) << copied.toStdString();
    EXPECT_GT(copied.count(u"\r\n"_s), 3);
    EXPECT_TRUE(m_prompter.texts.isEmpty());
    EXPECT_EQ(dataFiles(), QStringList{u"tm1.dat"_s}); // listing keeps no data
}

// Each button replaces the clipboard with its text; the page goes byte for byte as the file
// holds it (～ is 81 60, 円 is 89 7E), which no line-by-line or field-by-field reading keeps.
TEST(SyupinDialogCopy, PutsTheTitleAndThePageFileAsTheyAre) {
    TempAppFolder folder;
    const QByteArray page = "<table width=\"600\">\r\n"
                            "  \x89\xBF\x8A\x69 1,980\x89\x7E\x81\x60\r\n"
                            "\"A\",\"B\" ,   C<br>\r\n"
                            "\r\n"
                            "</table>";
    folder.writeBytes(u"userdata/page.html"_s, page);
    ui::SystemClipboard clipboard;
    ui::SyupinDialog guide(u"置き時計 昭和"_s,
                           ui::listingPageText(folder.path(u"userdata/page.html"_s)), nullptr,
                           clipboard);
    guide.show();
    guide.findChild<QAbstractButton*>(u"Command1"_s)->click();
    EXPECT_EQ(clipboard.text(), u"置き時計 昭和"_s);
    guide.findChild<QAbstractButton*>(u"Command2"_s)->click();
    EXPECT_EQ(platform::toCp932(clipboard.text(), platform::Unmappable::Refuse), page);
    EXPECT_TRUE(guide.isVisible()); // neither copy closes the guide
}

} // namespace
