#include "storage_fixture.h"

#include "storage/detail_record.h"
#include "storage/listing_files.h"

#include <QDir>
#include <QDirIterator>

using namespace Qt::StringLiterals;

StorageTest::StorageTest() {
    for (const QString& folder : {u"data/after"_s, u"userdata/after"_s})
        QDir().mkpath(m_app.path(folder));
    m_app.writeLines(u"data/tm1.dat"_s, {u"\"0\",\"\",\"\",#2024-01-01 10:00:00#"_s});
    m_storage.workspace.applicationFolder = m_app.path();
    m_storage.files = &m_files;
}

storage::ListingIndex StorageTest::index() const {
    return storage::parseIndex(m_app.readBytes(u"data/tm1.dat"_s));
}

QStringList StorageTest::summary() const {
    QStringList lines;
    for (const storage::IndexEntry& e : index())
        lines << u"%1 %2 %3"_s.arg(int(e.kind)).arg(e.title, e.fileName);
    return lines;
}

void StorageTest::addListing(storage::EntryKind kind, const QString& title, const QString& stamp,
                             bool files) const {
    m_app.writeBytes(
        u"data/tm1.dat"_s,
        storage::encodeIndex(index() << storage::IndexEntry{kind, title, stamp, m_clock.time}));
    if (!files)
        return;
    const storage::ListingPaths paths = storage::listingPaths(m_storage, kind, stamp, title);
    const core::ListingRecord record = listingRecord(title, u"説明 "_s + stamp);
    const QDir app(m_app.path());
    m_app.writeBytes(app.relativeFilePath(paths.detail),
                     storage::encodeDetailRecord(storage::detailRecordOf(record, m_clock.time)));
    m_app.writeBytes(app.relativeFilePath(paths.description),
                     storage::encodeDescription(record.TextBox商品説明));
    m_app.writeBytes(app.relativeFilePath(paths.page), "<html>");
}

bool StorageTest::exists(const QString& relative) const {
    return QFileInfo::exists(m_app.path(relative));
}

QStringList StorageTest::listingFiles() const {
    QStringList names;
    for (const QString& folder : {u"data"_s, u"userdata"_s}) {
        QDirIterator it(m_app.path(folder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = QDir(m_app.path()).relativeFilePath(it.next());
            if (!name.startsWith(u"data/tm"_s))
                names << name;
        }
    }
    names.sort();
    return names;
}

core::ListingRecord listingRecord(const QString& title, const QString& description) {
    core::ListingRecord record;
    record.TextBoxタイトル = title;
    record.TextBox商品説明 = description;
    return record;
}
