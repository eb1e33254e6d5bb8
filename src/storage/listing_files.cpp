#include "listing_files.h"

#include "detail_record.h"
#include "platform/cp932.h"
#include "platform/error.h"
#include "platform/full_width.h"
#include "platform/native_file.h"

#include <QFile>
#include <QSet>

using namespace Qt::StringLiterals;

namespace storage {
namespace {

using core::Workspace;

constexpr qsizetype kMaxFileNameBytes = 255;

void removeIfPresent(Files& files, const QString& path) {
    try {
        files.remove(path);
    } catch (const platform::Error& error) {
        if (error.number() != platform::ErrorNumber::FileNotFound)
            throw;
    }
}

} // namespace

void checkFileName(const QString& fileName) {
    // The index is a text file anyone can edit; its names must not reach other folders.
    if (fileName.contains(u'/') || fileName.contains(QChar(0)))
        throw platform::Error::fromNumber(platform::ErrorNumber::PathFileAccessError);
}

ListingPaths listingPaths(const Storage& storage, EntryKind kind, const QString& fileName,
                          const QString& title) {
    checkFileName(fileName);
    const QString data = storage.path(kind == EntryKind::Listed ? Workspace::DataAfterFolder
                                                                : Workspace::DataFolder);
    return {data + u'/' + fileName + u".dat"_s, data + u'/' + fileName + u".txt"_s,
            pagePath(storage, kind, title)};
}

QString pagePath(const Storage& storage, EntryKind kind, const QString& title) {
    const QStringView folder =
        kind == EntryKind::Listed ? Workspace::UserDataAfterFolder : Workspace::UserDataFolder;
    return storage.path(folder) + u'/' + platform::toFullWidth(title) + u".html"_s;
}

std::optional<QString> pageNameProblem(const QString& title) {
    const QString name = platform::toFullWidth(title) + u".html"_s;
    if (name.contains(u'/') || name.contains(QChar(0)))
        return QStringLiteral("タイトルに「/」など、ファイル名に使えない文字が含まれています。");
    if (platform::nativePath(name).size() > kMaxFileNameBytes)
        return QStringLiteral("タイトルが長すぎて、ファイル名にできません。");
    for (const char32_t c : title.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (!platform::isCp932Encodable(character))
            return QStringLiteral("タイトルの「%1」は保存できない文字です。").arg(character);
    }
    return std::nullopt;
}

QString freeFileStamp(const Storage& storage, const QDateTime& now) {
    QSet<QString> named;
    for (const IndexEntry& entry : readIndex(storage))
        named.insert(entry.fileName);
    const auto used = [&](const QString& stamp) {
        if (named.contains(stamp))
            return true;
        for (const EntryKind kind : {EntryKind::Finished, EntryKind::Listed}) {
            const ListingPaths paths = listingPaths(storage, kind, stamp, QString());
            if (storage.files->exists(paths.detail) || storage.files->exists(paths.description))
                return true;
        }
        return false;
    };
    QDateTime time = now;
    QString stamp = time.toString(u"yyyyMMddHHmmss"_s);
    while (used(stamp)) {
        time = time.addSecs(1);
        stamp = time.toString(u"yyyyMMddHHmmss"_s);
    }
    return stamp;
}

void SaveListingFiles(const Storage& storage, EntryKind kind, const QString& name,
                      const QStringList& previousNames, const core::ListingRecord& record,
                      const QDateTime& now) {
    Files& files = *storage.files;
    if (kind == EntryKind::Draft) {
        files.write(storage.path(Workspace::DraftFile), encodeDescription(record.TextBox商品説明));
        return;
    }
    const ListingPaths paths = listingPaths(storage, EntryKind::Finished, name, QString());
    files.write(paths.detail, encodeDetailRecord(detailRecordOf(record, now)));
    files.write(paths.description, encodeDescription(record.TextBox商品説明));
    for (const QString& previous : previousNames) {
        if (previous != name)
            deleteListingFiles(storage, previous);
    }
}

void deleteListingFiles(const Storage& storage, const QString& name) {
    const ListingPaths paths = listingPaths(storage, EntryKind::Finished, name, QString());
    removeIfPresent(*storage.files, paths.detail);
    removeIfPresent(*storage.files, paths.description);
}

} // namespace storage
