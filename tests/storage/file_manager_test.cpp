#include "storage/file_manager.h"
#include "storage/listing_files.h"
#include "storage_fixture.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;
using storage::EntryKind;

namespace {

class FileManager : public StorageTest {
protected:
    bool remove(int mode, const QStringList& titles) {
        return storage::DeleteListings(m_storage, mode, titles, m_prompter);
    }
    bool move(int mode, const QStringList& titles) {
        return storage::MoveListings(m_storage, mode, titles, m_prompter);
    }
    // The files the finished and listed entries name, where their kind keeps them.
    QStringList namedFiles() const {
        QStringList names;
        for (const storage::IndexEntry& e : index()) {
            const storage::ListingPaths paths =
                storage::listingPaths(m_storage, e.kind, e.fileName, e.title);
            if (e.kind == EntryKind::Finished || e.kind == EntryKind::Listed) {
                for (const QString& path : {paths.detail, paths.description, paths.page})
                    names << QDir(m_app.path()).relativeFilePath(path);
            }
        }
        names.sort();
        names.removeDuplicates(); // a finished and a listed listing of one title share a page name
        return names;
    }
};

TEST_F(FileManager, ListsFinishedAndListedTitlesInIndexOrder) {
    addListing(EntryKind::Draft, u"下書き"_s, u"下書き.dat"_s, false);
    EXPECT_FALSE(storage::FileManagerHasEntries(m_storage, m_prompter));
    EXPECT_EQ(m_prompter.texts, QStringList{u"ファイルがありません"_s});

    addListing(EntryKind::Finished, u"b"_s, u"s1"_s, false);
    addListing(EntryKind::Listed, u"x"_s, u"s2"_s, false);
    addListing(EntryKind::Finished, u"a"_s, u"s3"_s, false);
    addListing(EntryKind::Finished, u"b"_s, u"s4"_s, false);
    EXPECT_TRUE(storage::FileManagerHasEntries(m_storage, m_prompter));
    const storage::FileLists lists = storage::FillFileLists(m_storage, m_prompter);
    EXPECT_EQ(storage::titlesOf(lists.finished), (QStringList{u"b"_s, u"a"_s, u"b"_s}));
    EXPECT_EQ(storage::titlesOf(lists.listed), QStringList{u"x"_s});
    EXPECT_EQ(lists.listed.constFirst().savedAt, m_clock.time); // shown after the title
}

TEST_F(FileManager, DeletePassesOverAMissingPageAndKeepsOtherKinds) {
    addListing(EntryKind::Finished, u"傘"_s, u"s1"_s);
    addListing(EntryKind::Listed, u"傘"_s, u"s2"_s);
    QFile::remove(m_app.path(u"userdata/傘.html"_s));

    EXPECT_TRUE(remove(0, {u"傘"_s}));
    EXPECT_EQ(summary(), (QStringList{u"0  "_s, u"3 傘 s2"_s}));
    EXPECT_EQ(listingFiles(), namedFiles());
    EXPECT_FALSE(exists(u"data/tm1bak.dat"_s));
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

TEST_F(FileManager, DeleteInTheListedModeLeavesTheFinishedOneOfTheSameTitle) {
    addListing(EntryKind::Finished, u"傘"_s, u"s1"_s);
    addListing(EntryKind::Listed, u"傘"_s, u"s2"_s);

    EXPECT_TRUE(remove(1, {u"傘"_s}));
    EXPECT_EQ(summary(), (QStringList{u"0  "_s, u"2 傘 s1"_s}));
    EXPECT_EQ(listingFiles(), namedFiles());
    EXPECT_TRUE(m_prompter.texts.isEmpty());
}

TEST_F(FileManager, MovesTheSelectedListingsInPlace) {
    addListing(EntryKind::Finished, u"a"_s, u"s1"_s);
    addListing(EntryKind::Finished, u"b"_s, u"s2"_s);
    addListing(EntryKind::Finished, u"c"_s, u"s3"_s);
    addListing(EntryKind::Listed, u"d"_s, u"s4"_s);

    EXPECT_TRUE(move(0, {u"a"_s, u"c"_s}));
    EXPECT_EQ(summary(),
              (QStringList{u"0  "_s, u"3 a s1"_s, u"2 b s2"_s, u"3 c s3"_s, u"3 d s4"_s}));
    EXPECT_EQ(listingFiles(), namedFiles());
    EXPECT_EQ(storage::previewPagePath(m_storage, 1, u"a"_s),
              m_app.path(u"userdata/after/ａ.html"_s));
}

TEST_F(FileManager, MovingBackOntoAFinishedTitleReplacesItsPage) {
    addListing(EntryKind::Finished, u"a"_s, u"s1"_s);
    addListing(EntryKind::Listed, u"a"_s, u"s2"_s);
    m_app.writeBytes(u"userdata/after/ａ.html"_s, "listed");

    EXPECT_TRUE(move(1, {u"a"_s}));
    EXPECT_EQ(summary(), (QStringList{u"0  "_s, u"2 a s1"_s, u"2 a s2"_s}));
    EXPECT_EQ(m_app.readBytes(u"userdata/ａ.html"_s), "listed");
}

// A plain file where the listed pages' folder should be: the page cannot follow, so the
// data files go back and the entry stays finished.
TEST_F(FileManager, AMoveThatCannotBeFinishedPutsTheListingBack) {
    addListing(EntryKind::Finished, u"a"_s, u"s1"_s);
    QDir(m_app.path(u"userdata"_s)).rmdir(u"after"_s);
    m_app.writeBytes(u"userdata/after"_s, "not a folder");

    EXPECT_FALSE(move(0, {u"a"_s}));
    EXPECT_EQ(summary(), (QStringList{u"0  "_s, u"2 a s1"_s}));
    EXPECT_TRUE(exists(u"data/s1.dat"_s) && exists(u"data/s1.txt"_s));
    EXPECT_EQ(m_prompter.texts, QStringList{u"パスが見つかりません。 (RDW 76)"_s});
}

// The index is a text file: a file name in it must not lead a deletion out of data/.
TEST_F(FileManager, RefusesAFileNameThatLeavesItsFolder) {
    addListing(EntryKind::Finished, u"x"_s, u"../victim"_s, false);
    m_app.writeBytes(u"victim.dat"_s, "keep");
    EXPECT_FALSE(remove(0, {u"x"_s}));
    EXPECT_FALSE(move(0, {u"x"_s}));
    EXPECT_TRUE(exists(u"victim.dat"_s));
    EXPECT_EQ(m_prompter.texts, QStringList(2, u"パス名またはファイル名が無効です。 (RDW 75)"_s));
}

// Whichever file operation fails, every listing's files are where its entry says, and a
// deletion leaves no file without an entry.
constexpr int kSteps = 16;
class FileManagerFault : public FileManager, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        addListing(EntryKind::Finished, u"a"_s, u"s1"_s);
        addListing(EntryKind::Listed, u"d"_s, u"s2"_s);
        addListing(EntryKind::Finished, u"b"_s, u"s3"_s);
        addListing(EntryKind::Finished, u"c"_s, u"s4"_s);
        m_files.failAt = GetParam();
    }
    void expectReported(bool done) {
        EXPECT_EQ(done, !m_files.failed());
        EXPECT_FALSE(GetParam() == kSteps && m_files.failed()) << "the range misses a step";
        EXPECT_EQ(m_prompter.texts.size(), done ? 0 : 1);
    }
};

TEST_P(FileManagerFault, MoveKeepsIndexAndFilesInStep) {
    expectReported(move(0, {u"a"_s, u"b"_s}));
    EXPECT_EQ(listingFiles(), namedFiles());
}

TEST_P(FileManagerFault, DeleteLeavesNoFileWithoutItsEntry) {
    expectReported(remove(0, {u"a"_s, u"b"_s}));
    const QStringList named = namedFiles();
    for (const QString& file : listingFiles())
        EXPECT_TRUE(named.contains(file)) << file.toStdString();
    EXPECT_TRUE(exists(u"data/after/s2.dat"_s) && exists(u"data/s4.dat"_s));
}

INSTANTIATE_TEST_SUITE_P(EachStep, FileManagerFault, ::testing::Range(1, kSteps + 1));

} // namespace
