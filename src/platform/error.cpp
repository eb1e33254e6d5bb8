#include "error.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace platform {

Error::Error(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

QString standardDescription(int number) {
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return QStringLiteral("プロシージャの呼び出し、または引数が不正です。");
    case ErrorNumber::Overflow:
        return QStringLiteral("オーバーフローしました。");
    case ErrorNumber::SubscriptOutOfRange:
        return QStringLiteral("インデックスが有効範囲にありません。");
    case ErrorNumber::TypeMismatch:
        return QStringLiteral("型が一致しません。");
    case ErrorNumber::FileNotFound:
        return QStringLiteral("ファイルが見つかりません。");
    case ErrorNumber::FileAlreadyOpen:
        return QStringLiteral("ファイルは既に開かれています。");
    case ErrorNumber::DiskFull:
        return QStringLiteral("ディスクの空き容量が不足しています。");
    case ErrorNumber::InputPastEndOfFile:
        return QStringLiteral("ファイルにこれ以上データがありません。");
    case ErrorNumber::PermissionDenied:
        return QStringLiteral("書き込みできません。");
    case ErrorNumber::PathFileAccessError:
        return QStringLiteral("パス名またはファイル名が無効です。");
    case ErrorNumber::PathNotFound:
        return QStringLiteral("パスが見つかりません。");
    case ErrorNumber::ObjectNotSet:
        return QStringLiteral("オブジェクトが設定されていません。");
    case ErrorNumber::InvalidPropertyValue:
        return QStringLiteral("プロパティの値が不正です。");
    default:
        return QStringLiteral("アプリケーション定義またはオブジェクト定義のエラーです。");
    }
}

Error Error::fromNumber(int number) {
    return Error(number, standardDescription(number));
}

Error Error::fromErrno(int errnoValue, const QString& path) {
    switch (errnoValue) {
    case ENOENT: {
        // A missing file in an existing folder is "file not found"; a missing folder on the
        // way is "path not found".
        const bool folderExists = QFileInfo(QFileInfo(path).absolutePath()).isDir();
        return fromNumber(folderExists ? ErrorNumber::FileNotFound : ErrorNumber::PathNotFound);
    }
    case ENOTDIR:
        return fromNumber(ErrorNumber::PathNotFound);
    case EACCES:
    case EPERM:
        return fromNumber(ErrorNumber::PermissionDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return fromNumber(ErrorNumber::DiskFull);
    case EBUSY:
    case ETXTBSY:
        return fromNumber(ErrorNumber::FileAlreadyOpen);
    default: // EROFS, EISDIR, ENAMETOOLONG, EEXIST and the rest
        return fromNumber(ErrorNumber::PathFileAccessError);
    }
}

QString Error::report(QStringView tag) const {
    QString text = m_description;
    text += u" (";
    text += tag;
    text += u' ';
    text += QString::number(m_number);
    text += u')';
    return text;
}

} // namespace platform
