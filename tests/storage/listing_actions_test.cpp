#include "storage/detail_record.h"
#include "storage/listing_actions.h"
#include "storage/listing_files.h"
#include "storage_fixture.h"

#include <QFile>

using namespace Qt::StringLiterals;
using storage::EntryKind;

namespace {

class Finish : public StorageTest {
protected:
    storage::FinishOutcome finish(const QString& title, const QString& description = u"説明"_s) {
        core::ListingRecord record = listingRecord(title, description);
        record.TextBox送料一律 = u"\"500\"円"_s;
        return storage::FinishListing(m_storage, record, m_clock, m_prompter);
    }
};

TEST_F(Finish, TwiceWithOneTitleReplacesTheEntryAndTheFirstFiles) {
    const storage::FinishOutcome first = finish(u"ABC/1"_s);
    // Within the same second: the second save needs a stamp of its own.
    const storage::FinishOutcome second = finish(u"ABC/1"_s, u"新しい\r\n説明"_s);

    EXPECT_TRUE(first.saved && second.saved);
    EXPECT_EQ(first.fileStamp, u"20240105093000"_s);
    EXPECT_EQ(second.fileStamp, u"20240105093001"_s);
    EXPECT_EQ(second.pagePath, m_app.path(u"userdata/ＡＢＣ／１.html"_s));
    EXPECT_EQ(summary(), (QStringList{u"0  "_s, u"2 ABC/1 20240105093001"_s}));
    EXPECT_EQ(listingFiles(),
              (QStringList{u"data/20240105093001.dat"_s, u"data/20240105093001.txt"_s}));
    // 説明 is 0x90E0 0x96BE; no line end is added.
    EXPECT_EQ(m_app.readBytes(u"data/20240105093001.txt"_s),
              cp932Lines({u"新しい"_s}) + "\x90\xE0\x96\xBE");
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

TEST_F(Finish, KeepsNoDoubleQuoteAndAppendsToATitleThatIsOnlyListed) {
    addListing(EntryKind::Listed, u"24型"_s, u"s1"_s);
    const storage::FinishOutcome outcome = finish(u"24\"型"_s);
    EXPECT_EQ(outcome.title, u"24型"_s);
    EXPECT_EQ(outcome.pagePath, m_app.path(u"userdata/２４型.html"_s));
    EXPECT_EQ(summary(), (QStringList{u"0  "_s, u"3 24型 s1"_s, u"2 24型 "_s + outcome.fileStamp}));
    const storage::DetailRecord detail =
        storage::ReadDetailRecord(m_files, m_app.path(u"data/"_s + outcome.fileStamp + u".dat"_s));
    EXPECT_EQ(detail.TextBox送料一律, u"500円"_s);
}

struct NameCase {
    const char* name;
    QString title;
    bool refused;
};
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}
class PageName : public Finish, public ::testing::WithParamInterface<NameCase> {};
TEST_P(PageName, IsRefusedBeforeAnythingIsWritten) {
    EXPECT_EQ(storage::pageNameProblem(GetParam().title).has_value(), GetParam().refused);
    finish(GetParam().title);
    EXPECT_EQ(listingFiles().isEmpty(), GetParam().refused);
    EXPECT_EQ(m_prompter.texts.size(), GetParam().refused ? 1 : 0);
}
INSTANTIATE_TEST_SUITE_P(
    Titles, PageName,
    ::testing::Values(NameCase{"Nul", u"a"_s + QChar(0) + u"b"_s, true},
                      NameCase{"EightyThreeKanjiFit", QString(83, u'傘'), false},
                      NameCase{"EightyFourKanjiAreTooLong", QString(84, u'傘'), true},
                      // "×" takes two bytes: 82 kanji and two of them make 255 with ".html"
                      NameCase{"ExactlyTheNameLimitFits", QString(82, u'傘') + u"××"_s, false},
                      NameCase{"OneByteOverTheNameLimit", QString(83, u'傘') + u"×"_s, true},
                      NameCase{"NoCp932Form", u"傘😀"_s, true}),
    [](const auto& info) { return info.param.name; });

// Whichever file operation fails, the index stays readable and names only listings whose
// files are there; a save that did not get into the index leaves no files behind.
TEST_F(Finish, KeepsTheIndexAndFilesInStepWhicheverStepFails) {
    finish(u"傘"_s);
    for (m_files.failAt = 1;; ++m_files.failAt) {
        m_files.count = 0;
        m_prompter.texts.clear();
        m_clock.time = m_clock.time.addSecs(10);
        const storage::FinishOutcome outcome = finish(u"傘"_s, u"説明 %1"_s.arg(m_files.failAt));

        for (const storage::IndexEntry& entry : index()) {
            if (entry.kind == EntryKind::Finished) {
                EXPECT_TRUE(exists(u"data/"_s + entry.fileName + u".dat"_s)) << m_files.failAt;
                EXPECT_TRUE(exists(u"data/"_s + entry.fileName + u".txt"_s)) << m_files.failAt;
            }
        }
        if (!m_files.failed())
            break;
        EXPECT_EQ(m_prompter.texts.size(), 1);
        EXPECT_EQ(exists(u"data/"_s + outcome.fileStamp + u".dat"_s), outcome.saved);
    }
    EXPECT_GT(m_files.failAt, 5);
}

class Drafts : public StorageTest {
protected:
    bool save(const QString& title, const QString& description) {
        return storage::SaveDraft(m_storage, listingRecord(title, description), m_clock,
                                  m_prompter);
    }
};

TEST_F(Drafts, OneSlotIsReplacedInPlaceWhateverTheTitle) {
    ASSERT_TRUE(save(u"一つ目"_s, u"a"_s));
    addListing(EntryKind::Finished, u"完成"_s, u"s1"_s, false);
    ASSERT_TRUE(save(u"二つ目"_s, u"b\r\nc"_s));

    EXPECT_EQ(summary(), (QStringList{u"0  "_s, u"1 二つ目 下書き.dat"_s, u"2 完成 s1"_s}));
    const std::optional<storage::Draft> draft = storage::OpenDraft(m_storage, m_prompter);
    ASSERT_TRUE(draft);
    EXPECT_EQ(draft->title, u"二つ目"_s);
    EXPECT_EQ(draft->description, u"b\r\nc\r\n"_s);
    ASSERT_TRUE(save(u"三つ目"_s, QString()));
    EXPECT_EQ(storage::OpenDraft(m_storage, m_prompter)->description, QString());
}

TEST_F(Drafts, OpeningWithoutADraftOrItsFileSaysSo) {
    EXPECT_FALSE(storage::OpenDraft(m_storage, m_prompter));
    ASSERT_TRUE(save(u"t"_s, u"d"_s));
    QFile::remove(m_app.path(u"data/下書き.dat"_s));
    EXPECT_FALSE(storage::OpenDraft(m_storage, m_prompter));
    EXPECT_EQ(m_prompter.texts, (QStringList{u"下書きファイルはありません。"_s,
                                             u"ファイルが見つかりません。 (mSO 53)"_s}));
}

class Reopen : public StorageTest {
protected:
    std::optional<storage::OpenedListing> open(const QString& title) {
        return storage::OpenFinishedListing(m_storage, title, m_current, m_prompter);
    }
    core::ListingRecord m_current = listingRecord(u"今の"_s, u"今の説明"_s);
};

TEST_F(Reopen, ListsFinishedTitlesInIndexOrderAndOpensTheFirstOfEqualOnes) {
    addListing(EntryKind::Finished, u"b"_s, u"s1"_s);
    addListing(EntryKind::Listed, u"x"_s, u"s2"_s);
    addListing(EntryKind::Draft, u"y"_s, u"下書き.dat"_s, false);
    addListing(EntryKind::Finished, u"a"_s, u"s3"_s);
    addListing(EntryKind::Finished, u"b"_s, u"s4"_s);
    const auto lines = storage::FinishedLines(m_storage, m_prompter);
    ASSERT_TRUE(lines);
    EXPECT_EQ(storage::titlesOf(*lines), (QStringList{u"b"_s, u"a"_s, u"b"_s}));
    m_current.Check注意事項 = 1;
    m_current.ComboBoxクロネコメール便.position = 2;
    const std::optional<storage::OpenedListing> opened = open(u"b"_s);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->record.TextBoxタイトル, u"b"_s);
    EXPECT_EQ(opened->record.TextBox商品説明, u"説明 s1\r\n"_s);
    EXPECT_EQ(opened->record.Check注意事項, 0);
    EXPECT_EQ(opened->record.ComboBoxクロネコメール便.position, -1); // as saved
    EXPECT_EQ(opened->mailBinDefaultPosition, -1);
    // A listed title, an unknown or an empty one opens nothing and says nothing.
    EXPECT_FALSE(open(u"x"_s) || open(u"z"_s) || open(QString()));
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

TEST_F(Reopen, AMissingDescriptionKeepsTheNewTitleAndTheOldDescription) {
    addListing(EntryKind::Finished, u"傘"_s, u"s1"_s);
    QFile::remove(m_app.path(u"data/s1.txt"_s));
    const std::optional<storage::OpenedListing> opened = open(u"傘"_s);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->record.TextBoxタイトル, u"傘"_s);
    EXPECT_EQ(opened->record.TextBox商品説明, u"今の説明"_s);
    QFile::remove(m_app.path(u"data/s1.dat"_s));
    EXPECT_FALSE(open(u"傘"_s));
    EXPECT_EQ(m_prompter.texts, (QStringList(2, u"ファイルが見つかりません。 (mCO 53)"_s)));
}

} // namespace
