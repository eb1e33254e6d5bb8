#include "platform/application_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Root may write into any folder, so a read-only folder only stops an ordinary user: the
// choice is made in a child process that gives up root first.
QString chosenByOrdinaryUser(const QString& executableFolder, const QString& userFolder) {
    int channel[2];
    if (::pipe(channel) != 0)
        return u"(no pipe)"_s;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(1);
        const QByteArray chosen =
            platform::chooseApplicationFolder(executableFolder, userFolder).toUtf8();
        const bool written =
            ::write(channel[1], chosen.constData(), chosen.size()) == chosen.size();
        ::_exit(written ? 0 : 1);
    }
    ::close(channel[1]);
    QByteArray chosen;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        chosen.append(buffer, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return u"(child failed)"_s;
    return QString::fromUtf8(chosen);
}

struct FolderCase {
    const char* name;
    bool readOnly;
    bool installedLayout; // <prefix>/lib/tomoea beside <prefix>/bin
    bool keepsDataBesideExecutable;
};
void PrintTo(const FolderCase& c, std::ostream* os) {
    *os << c.name;
}

class ApplicationFolderChoice : public ::testing::TestWithParam<FolderCase> {};

// Mode bits for QFile: everyone may enter and read, and write too when `writable`.
QFile::Permissions openTo(bool writable) {
    const QFile::Permissions readable =
        QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    return writable ? readable | QFile::WriteOwner | QFile::WriteOther : readable;
}

TEST_P(ApplicationFolderChoice, FollowsTheExecutableFolder) {
    QTemporaryDir scratch;
    const QString prefix = scratch.path() + u"/prefix"_s, bin = prefix + u"/bin"_s;
    ASSERT_TRUE(QDir().mkpath(bin));
    if (GetParam().installedLayout) {
        ASSERT_TRUE(QDir().mkpath(prefix + u"/lib/tomoea/plugins"_s));
    }
    ASSERT_TRUE(QFile::setPermissions(scratch.path(), openTo(true)));
    ASSERT_TRUE(QFile::setPermissions(prefix, openTo(true)));
    ASSERT_TRUE(QFile::setPermissions(bin, openTo(!GetParam().readOnly)));
    const QString user = scratch.path() + u"/home/.local/share/TomoeA"_s;

    EXPECT_EQ(chosenByOrdinaryUser(bin, user), GetParam().keepsDataBesideExecutable ? bin : user);
    QFile::setPermissions(bin, openTo(true)); // so the scratch folder can be removed
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ApplicationFolderChoice,
    ::testing::Values(FolderCase{"PortableCopy", false, false, true},
                      FolderCase{"ReadOnlyCopy", true, false, false},
                      // as root sees /usr/bin: writable, yet never the data's place
                      FolderCase{"InstalledWritable", false, true, false},
                      FolderCase{"InstalledReadOnly", true, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UserDataFolder, IsTomoeAInTheXdgDataFolder) {
    const QByteArray before = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/tmp/seller-data");
    EXPECT_EQ(platform::userDataFolder(), u"/tmp/seller-data/TomoeA"_s);
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(platform::userDataFolder(), QDir::homePath() + u"/.local/share/TomoeA"_s);
    if (!before.isEmpty())
        qputenv("XDG_DATA_HOME", before);
}

} // namespace
