#include "text_tables.h"

#include "option_lists.h"
#include "piece_reader.h"

#include <utility>

namespace core {

FixedTable readFixedTable(const QString& path, int size) {
    FixedTable table;
    PieceReader reader = PieceReader::fromFile(path);
    while (!reader.atEnd()) {
        QString piece = reader.next();
        if (table.entries.size() == size) {
            table.error = platform::Error::fromNumber(platform::ErrorNumber::SubscriptOutOfRange);
            break;
        }
        table.entries.append(std::move(piece));
    }
    while (table.entries.size() < size)
        table.entries.append(QString());
    return table;
}

QString prefectureFilePath(const QString& applicationFolder) {
    return applicationFolder + QStringLiteral("/text/都道府県.txt");
}

QString linkFilePath(const QString& applicationFolder) {
    return applicationFolder + QStringLiteral("/text/リンク情報.txt");
}

FixedTable readPrefectureTable(const QString& applicationFolder) {
    return readFixedTable(prefectureFilePath(applicationFolder), kPrefectureCount);
}

FixedTable readLinkTable(const QString& applicationFolder) {
    return readFixedTable(linkFilePath(applicationFolder), kLinkCount);
}

} // namespace core
