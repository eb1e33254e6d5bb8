#include "platform/error.h"
#include "platform/safe_file.h"
#include "temp_app_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Every fsync() of this program is seen here: what file it flushed, and what that file and
// the target held at that instant.
struct Flush {
    QString path;
    QByteArray bytes;
    QByteArray targetBytes;
};
QList<Flush> g_flushes;
QString g_target;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int fsync(int fd) {
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    const QString path = QFile::symLinkTarget(u"/proc/self/fd/"_s + QString::number(fd));
    if (!g_target.isEmpty())
        g_flushes << Flush{path, contentOf(path), contentOf(g_target)};
    return real(fd);
}

namespace {

using platform::FileAccess;

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

int modeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return int(info.st_mode & 07777);
}

TEST(SafeFile, FlushesTheNewContentToDiskBeforeItTakesTheTargetsName) {
    TempAppFolder app;
    app.writeBytes(u"a.dat"_s, "old");
    g_target = app.path(u"a.dat"_s);
    g_flushes.clear();
    platform::writeFileAtomically(g_target, "new");
    const QList<Flush> flushes = std::exchange(g_flushes, {});
    g_target.clear();
    ASSERT_EQ(flushes.size(), 2);
    EXPECT_TRUE(platform::isTemporaryFileName(QFileInfo(flushes[0].path).fileName()))
        << flushes[0].path.toStdString();
    EXPECT_EQ(flushes[0].bytes, "new");
    EXPECT_EQ(flushes[0].targetBytes, "old");
    // Then the folder, once the name is the new file's: a crash cannot bring the old one back.
    EXPECT_EQ(flushes[1].path, QFileInfo(app.path()).canonicalFilePath());
    EXPECT_EQ(flushes[1].targetBytes, "new");
    EXPECT_EQ(app.readBytes(u"a.dat"_s), "new");
    EXPECT_EQ(entries(app.path()), QStringList{u"a.dat"_s});
}

struct ModeCase {
    const char* name;
    std::optional<int> before; // the replaced file's mode, none for a new file
    FileAccess access;
    mode_t umask;
    int after;
};
void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << c.name;
}

class SafeFileMode : public ::testing::TestWithParam<ModeCase> {
protected:
    void SetUp() override { m_umask = ::umask(GetParam().umask); }
    void TearDown() override { ::umask(m_umask); }
    mode_t m_umask = 0;
};

TEST_P(SafeFileMode, LeavesTheFileWithItsMode) {
    TempAppFolder app;
    const QString path = app.path(u"a.dat"_s);
    if (const auto before = GetParam().before) {
        app.writeBytes(u"a.dat"_s, "old");
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode_t(*before)), 0);
    }
    platform::writeFileAtomically(path, "new", GetParam().access);
    EXPECT_EQ(modeOf(path), GetParam().after);
    EXPECT_EQ(app.readBytes(u"a.dat"_s), "new");
}
INSTANTIATE_TEST_SUITE_P(
    Files, SafeFileMode,
    ::testing::Values(
        ModeCase{"ReplacedKeepsItsMode", 0640, FileAccess::KeepOrDefault, 022, 0640},
        // bits the umask would take away stay too
        ModeCase{"ReplacedKeepsBitsTheUmaskDenies", 0604, FileAccess::KeepOrDefault, 077, 0604},
        ModeCase{"NewGetsTheDefault", std::nullopt, FileAccess::KeepOrDefault, 022, 0644},
        ModeCase{"NewFollowsTheUmask", std::nullopt, FileAccess::KeepOrDefault, 027, 0640},
        ModeCase{"OwnerOnlyNew", std::nullopt, FileAccess::OwnerOnly, 0, 0600},
        ModeCase{"OwnerOnlyReplacingAnOpenOne", 0644, FileAccess::OwnerOnly, 022, 0600}),
    [](const auto& info) { return info.param.name; });

// A failure after the temporary file exists (a folder at the target's path makes the rename
// fail) and a stream given up before commit() both leave the folder as it was.
TEST(SafeFile, LeavesNoTemporaryFileBehind) {
    TempAppFolder app;
    ASSERT_TRUE(QDir().mkpath(app.path(u"page.html"_s)));
    try {
        platform::writeFileAtomically(app.path(u"page.html"_s), "new");
        ADD_FAILURE() << "written over a folder";
    } catch (const platform::Error& error) {
        EXPECT_EQ(error.number(), platform::ErrorNumber::PathFileAccessError);
    }
    EXPECT_EQ(entries(app.path()), QStringList{u"page.html"_s});

    app.writeBytes(u"a.zip"_s, "old");
    {
        platform::SafeFile file(app.path(u"a.zip"_s));
        file.write("half");
        EXPECT_EQ(entries(app.path()).size(), 3);
    }
    EXPECT_EQ(entries(app.path()), (QStringList{u"a.zip"_s, u"page.html"_s}));
    EXPECT_EQ(app.readBytes(u"a.zip"_s), "old");
}

TEST(SafeFile, RecognisesOnlyItsOwnTemporaryNames) {
    EXPECT_TRUE(platform::isTemporaryFileName(u"tm1.dat.tmp-a8Xk2Q"));
    EXPECT_TRUE(platform::isTemporaryFileName(u"赤い傘.html.tmp-000000"));
    for (const QStringView name :
         {u"tm1.dat", u".tmp-a8Xk2Q", u"tm1.dat.tmp-a8Xk2", u"tm1.dat.tmp-a8Xk2Q7",
          u"tm1.dat.tmp-a8Xk-Q", u"tm1.dat.XXXXXX", u"メモ.tmp-ｱｲｳｴｵｶ"})
        EXPECT_FALSE(platform::isTemporaryFileName(name)) << name.toString().toStdString();
}

} // namespace
