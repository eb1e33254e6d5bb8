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

TEST_P(ApplicationFolderChoice, FollowsTheExecutableFolder) {
    QTemporaryDir scratch;
    ASSERT_TRUE(QFile::setPermissions(scratch.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                          QFile::ExeOwner | QFile::ReadOther |
                                                          QFile::ExeOther));
    const QString bin = scratch.path() + u"/prefix/bin"_s;
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QFile::setPermissions(scratch.path() + u"/prefix"_s,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther));
    if (GetParam().installedLayout) {
        ASSERT_TRUE(QDir().mkpath(scratch.path() + u"/prefix/lib/tomoea/plugins"_s));
    }
    // Writable by everyone, unless the case wants it read-only for everyone.
    ASSERT_TRUE(QFile::setPermissions(
        bin, GetParam().readOnly
                 ? QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                 : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                       QFile::WriteOther | QFile::ExeOther));
    const QString user = scratch.path() + u"/home/.local/share/TomoeA"_s;

    const QString chosen = chosenByOrdinaryUser(bin, user);
    EXPECT_EQ(chosen, GetParam().keepsDataBesideExecutable ? bin : user);
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
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
