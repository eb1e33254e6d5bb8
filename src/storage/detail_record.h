#pragma once

#include "core/listing_record.h"
#include "files.h"

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace storage {

// The payment and shipping choices of a finished listing (data/{stamp}.dat, one record of
// 33 fields in this order). Positions are list positions, -1 for none; check states are 0,
// 1 or 2 (grayed). Members carry the names of the controls they come from.
struct DetailRecord {
    std::int16_t ComboBox商品サイズ = -1;
    std::int16_t ComboBox商品重さ = -1;
    std::int16_t ComboBoxクロネコメール便 = -1;
    std::int16_t CheckBoxゆうちょ銀行 = 0;
    std::int16_t CheckBox銀行1 = 0;
    std::int16_t CheckBox銀行2 = 0;
    std::int16_t CheckBox銀行3 = 0;
    std::int16_t CheckBoxかんたん決済 = 0;
    std::int16_t CheckBoxネットバンキング = 0;
    std::int16_t CheckBox現金書留 = 0;
    std::int16_t CheckBox代金引換 = 0;
    std::int16_t CheckBoxその他 = 0;
    std::int16_t Check支払いl説明 = 0;
    std::int16_t Check発送説明 = 0;
    std::int16_t CheckBox定形郵便 = 0;
    std::int16_t CheckBox定形外郵便 = 0;
    std::int16_t CheckBoxゆうメール = 0;
    std::int16_t CheckBoxミニレター = 0;
    std::int16_t CheckBoxレターパック350 = 0;
    std::int16_t CheckBoxレターパック500 = 0;
    std::int16_t CheckBoxゆうパック = 0;
    std::int16_t CheckBoxゆうパック持込割引 = 0;
    std::int16_t CheckBoxクロネコメール便 = 0;
    std::int16_t mailItemSizeAgain = -1; // field 24: written, ignored when read
    std::int16_t CheckBoxクロネコ宅急便 = 0;
    std::int16_t CheckBoxクロネコ宅急便持込割引 = 0;
    std::int16_t CheckBoxはこBOON = 0;
    std::int16_t CheckBoxその他の運送会社 = 0;
    QString TextBoxその他の運送会社;
    std::int16_t CheckBox送料一律 = 0;
    QString TextBox送料一律;
    std::int16_t CheckBox最安値 = 0;
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
