#include "workspace_walk.h"

#include "backup.h"
#include "platform/error.h"
#include "platform/native_file.h"

#include <QDirIterator>
#include <QFile>
#include <cerrno>

namespace backup {
namespace {

using platform::Error;

bool statFile(const QString& path, struct stat& info) {
    if (::stat(platform::nativePath(path).constData(), &info) == 0)
        return true;
    if (errno == ENOENT) // missing, or a dangling link
        return false;
    throw Error::fromErrno(errno, path);
}

Error unsupported(const QByteArray& relative) {
    return Error(platform::ErrorNumber::PathFileAccessError,
                 QStringLiteral("バックアップできない項目があります（フォルダーへのリンクや特殊な"
                                "ファイル）: %1")
                     .arg(QString::fromUtf8(relative)));
}

} // namespace

bool walkWorkspace(const QString& applicationFolder,
                   const std::function<bool(const WorkspaceEntry&)>& visit) {
    WorkspaceEntry entry;
    for (QStringView folder : kWorkspaceFolders) {
        const QString root = applicationFolder + u'/' + folder.toString();
        // A plain file where a workspace folder should be holds no workspace data.
        if (!statFile(root, entry.info) || !S_ISDIR(entry.info.st_mode))
            continue;
        entry.path = root;
        entry.relative = folder.toUtf8();
        if (!visit(entry))
            return false;
        QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            entry.path = it.next();
            entry.relative = entry.path.mid(applicationFolder.size() + 1).toUtf8();
            if (!statFile(entry.path, entry.info))
                throw unsupported(entry.relative);
            const bool isFolder = S_ISDIR(entry.info.st_mode);
            if ((isFolder && it.fileInfo().isSymLink()) ||
                (!isFolder && !S_ISREG(entry.info.st_mode)))
                throw unsupported(entry.relative);
            if (!visit(entry))
                return false;
        }
    }
    return true;
}

} // namespace backup
