#include "interrupted_work.h"

#include "file_manager.h"
#include "platform/safe_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace storage {
namespace {

using core::Workspace;

// Below these the program writes its files; a seller's own subfolders are left alone.
constexpr QStringView kWrittenFolders[] = {Workspace::IniFolder,          Workspace::TextFolder,
                                           Workspace::TemplateFolder,     Workspace::DataFolder,
                                           Workspace::DataAfterFolder,    Workspace::UserDataFolder,
                                           Workspace::UserDataAfterFolder};

} // namespace

bool isStrayTemporary(QStringView fileName) {
    if (platform::isTemporaryFileName(fileName))
        return true;
    // Earlier versions wrote mkstemp's six characters straight after the target's name. The
    // target always has one of the extensions the program writes, which keeps most names of
    // the seller's out ("photo.jpg.backup").
    static const QRegularExpression earlierPattern(
        QStringLiteral("^.+\\.(dat|txt|csv|html|ini|tmpl|zip|journal)\\.[A-Za-z0-9]{6}$"),
        QRegularExpression::CaseInsensitiveOption);
    // The cheap test first: this runs over every file of the data folders at each start.
    return fileName.size() > 7 && fileName[fileName.size() - 7] == u'.' &&
           earlierPattern.match(fileName).hasMatch();
}

void removeStrayTemporaries(const QString& folder) {
    // Runs at every start over folders of thousands of files.
    const QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& name : names) {
        if (isStrayTemporary(name))
            QFile::remove(folder + u'/' + name);
    }
}

QStringList RepairInterruptedWork(const Storage& storage) {
    QStringList notes;
    if (const std::optional<QString> note = FinishInterruptedFileManagerWork(storage))
        notes << *note;
    for (QStringView folder : kWrittenFolders)
        removeStrayTemporaries(storage.path(folder));
    return notes;
}

} // namespace storage
