#pragma once

#include "platform/error.h"
#include "workspace.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace core {

// A table of a fixed number of entries read piece by piece from a text file.
struct FixedTable {
    QStringList entries; // always the table's full size; entries past the file's pieces are empty
    // A piece beyond the table's size: error 9. The entries hold the pieces before it.
    std::optional<platform::Error> error;
};

// Reads `path` piece by piece into a table of `size` entries. Throws platform::Error when the
// file cannot be read (53 for a missing file).
FixedTable readFixedTable(const QString& path, int size);

// The region list (kPrefectureCount entries) and the link table (kLinkCount entries).
FixedTable readPrefectureTable(const Workspace& workspace);
FixedTable readLinkTable(const Workspace& workspace);

} // namespace core
