#pragma once

#include "core/listing_record.h"
#include "files.h"

#include <QDateTime>
#include <cstdint>

namespace storage {

// The payment and shipping choices of a finished listing (data/{stamp}.dat, one record of
// 33 fields): the record members the field list of detail_record.cpp names, in file order,
// and the two fields of its own. Values are kept as read: list positions (-1 for none, the
// text left empty) and check states (0, 1 or 2 grayed) are checked only when applied.
struct DetailRecord : core::ListingRecord {
    std::int16_t mailItemSizeAgain = -1; // field 24: written, ignored when read
    QDateTime savedAt;

    bool operator==(const DetailRecord&) const = default;
};

// The record of the window's current choices, stamped `savedAt`.
DetailRecord detailRecordOf(const core::ListingRecord& record, const QDateTime& savedAt);
// The file content: the record as its only line.
QByteArray encodeDetailRecord(const DetailRecord& detail);
// The first 33 fields of the file; the rest is ignored. Throws platform::Error (53 for a
// missing file, 62 for a short one).
DetailRecord ReadDetailRecord(Files& files, const QString& path);

// `record` with the choices of `detail` put in, as if the seller had made them: both
// elements of CheckBoxクロネコメール便 carry field 23, and Check注意事項 is unticked, since
// the record does not hold it. The window also takes field 3 as its held mail-bin
// position. A position outside its list or a check state other than 0, 1 or 2 throws
// platform::Error 380 and nothing is applied.
core::ListingRecord ApplyDetailRecord(const DetailRecord& detail, core::ListingRecord record);

// A description as its file holds it: CP932 with CR LF, no line end added.
QByteArray encodeDescription(const QString& text);
// A description or draft file read line by line (a line ends at CR LF or a lone CR; a lone
// LF stays in the line), every line followed by CR LF; an empty file gives the empty text.
QString readDescription(Files& files, const QString& path);

} // namespace storage
