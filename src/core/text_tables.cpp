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

FixedTable readPrefectureTable(const Workspace& workspace) {
    return readFixedTable(workspace.path(Workspace::RegionListFile), kPrefectureCount);
}

FixedTable readLinkTable(const Workspace& workspace) {
    return readFixedTable(workspace.path(Workspace::LinkInfoFile), kLinkCount);
}

} // namespace core
