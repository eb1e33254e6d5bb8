#include "restore_staging.h"

#include "platform/error.h"
#include "platform/native_file.h"
#include "platform/text_file.h"
#include "replaced_removal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace backup {
namespace {

using platform::Error;

constexpr char kJournalHeading[] = "TomoeA restore";

QString shown(const QByteArray& path) {
    return QFile::decodeName(path);
}

void makeFolder(const QByteArray& path) {
    if (::mkdir(path.constData(), 0777) != 0)
        throw Error::fromErrno(errno, shown(path));
}

bool removeTree(const QByteArray& path) {
    QDir folder(shown(path));
    return !folder.exists() || folder.removeRecursively();
}

} // namespace

Staging::Staging(const QString& applicationFolder) {
    m_path = platform::nativePath(applicationFolder) + '/' + kStagingPrefix + "XXXXXX";
    if (!::mkdtemp(m_path.data()))
        throw Error::fromErrno(errno, applicationFolder);
    makeFolder(unpacked());
    makeFolder(setAside());
}

Staging::~Staging() {
    if (!m_done)
        removeStaging(m_path);
}

QString Staging::path() const {
    return shown(m_path);
}

void Staging::sync() const {
    const int fd = ::open(m_path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::syncfs(fd) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        throw Error::fromErrno(error, path());
    }
    ::close(fd);
}

void Staging::writeJournal(const RestoreJournal& journal) const {
    QByteArray bytes =
        QByteArray(kJournalHeading) + "\nautomatic=" + journal.automaticBackup.toUtf8() + '\n';
    for (const QString& folder : journal.folders)
        bytes += "folder=" + folder.toUtf8() + '\n';
    platform::writeFileAtomically(shown(journalIn(m_path)), bytes, platform::FileAccess::OwnerOnly);
}

void Staging::discard() {
    m_done = true;
    discardStaging(m_path);
}

std::optional<RestoreJournal> readJournal(const QByteArray& staging) {
    QFile file(shown(Staging::journalIn(staging)));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.value(0) != kJournalHeading)
        return std::nullopt;
    RestoreJournal journal;
    for (const QByteArray& line : lines) {
        if (line.startsWith("automatic="))
            journal.automaticBackup = QString::fromUtf8(line.mid(10));
        else if (line.startsWith("folder="))
            journal.folders << QString::fromUtf8(line.mid(7));
    }
    return journal;
}

void discardStaging(const QByteArray& staging) {
    // The journal goes aside with the rest: a start never mistakes the folder for a restore.
    try {
        removeReplacedLater(setReplacedAside(QFileInfo(shown(staging)).path(), shown(staging)));
    } catch (const Error&) {
        removeStaging(staging);
    }
}

bool removeStaging(const QByteArray& staging) {
    if (!removeTree(Staging::unpackedIn(staging)) || !removeTree(Staging::setAsideIn(staging)))
        return false;
    // Temporary files of a journal write cut short go with the rest.
    return removeTree(staging);
}

} // namespace backup
