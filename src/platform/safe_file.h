#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <string>

// The one way the program replaces a file the seller keeps (index, listing files, drafts,
// pages, profiles, phrases, password, backups). Failures throw platform::Error.
namespace platform {

// A file being written is named after its target: "<target>.tmp-" and six letters or digits
// ("tm1.dat.tmp-a8Xk2Q"). A crash can leave one behind; the name tells it apart from the
// seller's own files, so a later start can remove it.
inline constexpr QStringView kTemporaryFileInfix = u".tmp-";
inline constexpr int kTemporaryFileRandomLength = 6;
// Whether `fileName` (a name without its folder) is such a file.
bool isTemporaryFileName(QStringView fileName);

// The permissions a written file ends with.
enum class FileAccess {
    // A replaced file keeps its own; a new one gets the usual 0666 less the umask.
    KeepOrDefault,
    // 0600, whatever the replaced file had: files holding the password.
    OwnerOnly,
};

// A file written under a temporary name in its target's folder. commit() flushes it to disk,
// renames it over the target and flushes the folder, so a crash at any instant leaves the
// old file or the new one; until then the target is untouched. Without commit() the
// temporary file is removed.
//
// Not QSaveFile: it does not flush the folder (the rename itself can be lost in a crash),
// cannot force 0600 onto a file it replaces, and names its temporary files in a way a
// start-up repair could not tell from the seller's.
class SafeFile {
public:
    explicit SafeFile(const QString& path, FileAccess access = FileAccess::KeepOrDefault);
    ~SafeFile();
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    // The open temporary file, for writers that take a descriptor; -1 after commit().
    int descriptor() const { return m_fd; }
    void write(QByteArrayView bytes);
    void commit();

private:
    [[noreturn]] void fail(int error);
    void removeTemporary();

    QString m_path;
    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
    int m_mode = -1; // applied before the rename; -1: the mode the file was created with
};

// Replaces the file `path` with `bytes` through a SafeFile.
void writeFileAtomically(const QString& path, QByteArrayView bytes,
                         FileAccess access = FileAccess::KeepOrDefault);

} // namespace platform
