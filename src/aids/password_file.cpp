#include "password_file.h"

#include "core/message_tags.h"
#include "core/workspace.h"
#include "platform/cp932.h"
#include "platform/error.h"
#include "platform/native_file.h"
#include "platform/text_file.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace aids {
namespace {

constexpr int kOwnerOnly = 0600;

QString passwordPath(const QString& applicationFolder) {
    return core::Workspace{applicationFolder}.path(core::Workspace::PasswordFile);
}

// A missing file is created empty (owner only), as the first read of the password does.
QByteArray readFirstBytes(const QString& path, int limit) {
    const int fd =
        ::open(platform::nativePath(path).constData(), O_RDONLY | O_CREAT | O_CLOEXEC, kOwnerOnly);
    if (fd < 0)
        throw platform::Error::fromErrno(errno, path);
    ::close(fd);
    return platform::readFileBytes(path, limit);
}

} // namespace

QString readPasswordFile(const QString& path) {
    QString password;
    for (const char byte : readFirstBytes(path, kMaxPasswordBytes))
        password += platform::fromCp932(QByteArray(1, char(byte ^ kPasswordMask)));
    return password;
}

void writePasswordFile(const QString& path, const QString& password) {
    QByteArray bytes;
    for (const char32_t character : password.toUcs4()) {
        QByteArray code;
        try {
            code =
                platform::toCp932(QString::fromUcs4(&character, 1), platform::Unmappable::Refuse);
        } catch (const platform::Error&) {
            // No CP932 form at all: as much a misfit for one byte as a double-byte code.
        }
        if (code.size() != 1)
            throw platform::Error::fromNumber(platform::ErrorNumber::Overflow);
        bytes += char(code[0] ^ kPasswordMask);
    }
    platform::writeFileAtomically(path, bytes, platform::FileAccess::OwnerOnly);
}

QString ReadAccountPassword(const QString& applicationFolder, platform::Prompter& prompter) {
    try {
        return readPasswordFile(passwordPath(applicationFolder));
    } catch (const platform::Error& error) {
        prompter.inform(error.report(core::tag::ReadPassword));
        return QString();
    }
}

bool WriteAccountPassword(const QString& applicationFolder, const QString& password,
                          platform::Prompter& prompter) {
    try {
        writePasswordFile(passwordPath(applicationFolder), password);
        return true;
    } catch (const platform::Error& error) {
        prompter.inform(error.report(core::tag::WritePassword));
        return false;
    }
}

} // namespace aids
