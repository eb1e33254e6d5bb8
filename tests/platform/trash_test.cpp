#include "platform/error.h"
#include "platform/trash.h"
#include "scratch_trash.h"
#include "temp_app_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Trash : public ::testing::Test {
protected:
    QString fallback() const { return m_app.path(u"data/deleted/20260102-030405"_s); }

    ScratchTrash m_trash;
    TempAppFolder m_app;
};

TEST_F(Trash, TakesFilesAndFoldersAndKeepsWhereTheyWere) {
    m_app.writeBytes(u"userdata/a.html"_s, "page");
    m_app.writeBytes(u"old/data/tm1.dat"_s, "index");
    m_app.writeBytes(u"other/a.html"_s, "another page");

    for (const QString& name : {u"userdata/a.html"_s, u"old"_s, u"other/a.html"_s}) {
        const platform::Trashed trashed = platform::moveToTrash(m_app.path(name), fallback());
        EXPECT_FALSE(trashed.inFallbackFolder);
        EXPECT_FALSE(QFileInfo::exists(m_app.path(name)));
        EXPECT_EQ(m_trash.originalPath(QFileInfo(trashed.path).fileName()), m_app.path(name));
    }
    EXPECT_EQ(m_trash.files().size(), 3);
    EXPECT_FALSE(QFileInfo::exists(fallback()));
}

TEST_F(Trash, WithoutATrashUsesTheFallbackFolderUnderAFreeName) {
    m_trash.makeUnusable();
    m_app.writeBytes(u"userdata/a.html"_s, "page");
    m_app.writeBytes(u"data/deleted/20260102-030405/a.html"_s, "taken");
    m_app.writeBytes(u"data/deleted/20260102-030405/a (2).html"_s, "taken");

    const platform::Trashed trashed =
        platform::moveToTrash(m_app.path(u"userdata/a.html"_s), fallback());
    EXPECT_TRUE(trashed.inFallbackFolder);
    EXPECT_EQ(trashed.path, fallback() + u"/a (3).html"_s);
    EXPECT_EQ(m_app.readBytes(u"data/deleted/20260102-030405/a (3).html"_s), "page");
    EXPECT_FALSE(QFileInfo::exists(m_app.path(u"userdata/a.html"_s)));
}

// Names without a suffix to put the number before get it at their end.
TEST_F(Trash, FreeNamesOfNamesWithoutASuffix) {
    for (const QString& name : {u"notes"_s, u".profile"_s}) {
        m_app.writeBytes(u"a/"_s + name, "first");
        m_app.writeBytes(u"b/"_s + name, "second");
        platform::moveIntoFolder(m_app.path(u"a/"_s + name), m_app.path(u"bin"_s));
        EXPECT_EQ(platform::moveIntoFolder(m_app.path(u"b/"_s + name), m_app.path(u"bin"_s)),
                  m_app.path(u"bin/"_s + name + u" (2)"_s));
    }
}

TEST_F(Trash, NothingThereIsFileNotFound) {
    for (bool usable : {true, false}) {
        if (!usable)
            m_trash.makeUnusable();
        try {
            platform::moveToTrash(m_app.path(u"missing.dat"_s), fallback());
            ADD_FAILURE() << "accepted";
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.number(), platform::ErrorNumber::FileNotFound);
        }
    }
    EXPECT_FALSE(QFileInfo::exists(fallback()));
}

} // namespace
