#include "detail_record.h"

#include "core/option_lists.h"
#include "platform/cp932.h"
#include "platform/error.h"
#include "platform/text_file.h"
#include "record_syntax.h"

#include <utility>

namespace storage {
namespace {

using core::ListingRecord;

// Calls `visit` on every field in file order, so reading and writing share one list.
template <typename Record, typename Visit> void forEachField(Record& r, Visit&& visit) {
    visit(r.ComboBox商品サイズ);
    visit(r.ComboBox商品重さ);
    visit(r.ComboBoxクロネコメール便);
    visit(r.CheckBoxゆうちょ銀行);
    visit(r.CheckBox銀行1);
    visit(r.CheckBox銀行2);
    visit(r.CheckBox銀行3);
    visit(r.CheckBoxかんたん決済);
    visit(r.CheckBoxネットバンキング);
    visit(r.CheckBox現金書留);
    visit(r.CheckBox代金引換);
    visit(r.CheckBoxその他);
    visit(r.Check支払いl説明);
    visit(r.Check発送説明);
    visit(r.CheckBox定形郵便);
    visit(r.CheckBox定形外郵便);
    visit(r.CheckBoxゆうメール);
    visit(r.CheckBoxミニレター);
    visit(r.CheckBoxレターパック350);
    visit(r.CheckBoxレターパック500);
    visit(r.CheckBoxゆうパック);
    visit(r.CheckBoxゆうパック持込割引);
    visit(r.CheckBoxクロネコメール便);
    visit(r.mailItemSizeAgain);
    visit(r.CheckBoxクロネコ宅急便);
    visit(r.CheckBoxクロネコ宅急便持込割引);
    visit(r.CheckBoxはこBOON);
    visit(r.CheckBoxその他の運送会社);
    visit(r.TextBoxその他の運送会社);
    visit(r.CheckBox送料一律);
    visit(r.TextBox送料一律);
    visit(r.CheckBox最安値);
    visit(r.savedAt);
}

struct Reading {
    RecordReader& in;
    void operator()(std::int16_t& value) const { value = in.readInteger(); }
    void operator()(QString& value) const { value = in.readText(); }
    void operator()(QDateTime& value) const { value = in.readDateTime(); }
};

struct Writing {
    RecordWriter& out;
    void operator()(std::int16_t value) const { out.integer(value); }
    void operator()(const QString& value) const { out.text(value); }
    void operator()(const QDateTime& value) const { out.dateTime(value); }
};

// The check boxes the record holds, each under the same name in both records.
using CheckField = std::pair<std::int16_t DetailRecord::*, core::CheckValue ListingRecord::*>;
constexpr CheckField kCheckFields[] = {
    {&DetailRecord::CheckBoxゆうちょ銀行, &ListingRecord::CheckBoxゆうちょ銀行},
    {&DetailRecord::CheckBox銀行1, &ListingRecord::CheckBox銀行1},
    {&DetailRecord::CheckBox銀行2, &ListingRecord::CheckBox銀行2},
    {&DetailRecord::CheckBox銀行3, &ListingRecord::CheckBox銀行3},
    {&DetailRecord::CheckBoxかんたん決済, &ListingRecord::CheckBoxかんたん決済},
    {&DetailRecord::CheckBoxネットバンキング, &ListingRecord::CheckBoxネットバンキング},
    {&DetailRecord::CheckBox現金書留, &ListingRecord::CheckBox現金書留},
    {&DetailRecord::CheckBox代金引換, &ListingRecord::CheckBox代金引換},
    {&DetailRecord::CheckBoxその他, &ListingRecord::CheckBoxその他},
    {&DetailRecord::Check支払いl説明, &ListingRecord::Check支払いl説明},
    {&DetailRecord::Check発送説明, &ListingRecord::Check発送説明},
    {&DetailRecord::CheckBox定形郵便, &ListingRecord::CheckBox定形郵便},
    {&DetailRecord::CheckBox定形外郵便, &ListingRecord::CheckBox定形外郵便},
    {&DetailRecord::CheckBoxゆうメール, &ListingRecord::CheckBoxゆうメール},
    {&DetailRecord::CheckBoxミニレター, &ListingRecord::CheckBoxミニレター},
    {&DetailRecord::CheckBoxレターパック350, &ListingRecord::CheckBoxレターパック350},
    {&DetailRecord::CheckBoxレターパック500, &ListingRecord::CheckBoxレターパック500},
    {&DetailRecord::CheckBoxゆうパック, &ListingRecord::CheckBoxゆうパック},
    {&DetailRecord::CheckBoxゆうパック持込割引, &ListingRecord::CheckBoxゆうパック持込割引},
    {&DetailRecord::CheckBoxクロネコメール便, &ListingRecord::CheckBoxクロネコメール便},
    {&DetailRecord::CheckBoxクロネコ宅急便, &ListingRecord::CheckBoxクロネコ宅急便},
    {&DetailRecord::CheckBoxクロネコ宅急便持込割引, &ListingRecord::CheckBoxクロネコ宅急便持込割引},
    {&DetailRecord::CheckBoxはこBOON, &ListingRecord::CheckBoxはこBOON},
    {&DetailRecord::CheckBoxその他の運送会社, &ListingRecord::CheckBoxその他の運送会社},
    {&DetailRecord::CheckBox送料一律, &ListingRecord::CheckBox送料一律},
    {&DetailRecord::CheckBox最安値, &ListingRecord::CheckBox最安値},
};

[[noreturn]] void invalidValue() {
    throw platform::Error::fromNumber(platform::ErrorNumber::InvalidPropertyValue);
}

void select(core::ComboValue& combo, const QStringList& items, int position) {
    if (position < -1 || position >= items.size())
        invalidValue();
    combo.position = position;
    if (position >= 0)
        combo.text = items[position];
}

} // namespace

DetailRecord detailRecordOf(const ListingRecord& record, const QDateTime& savedAt) {
    DetailRecord detail;
    detail.ComboBox商品サイズ = std::int16_t(record.ComboBox商品サイズ.position);
    detail.ComboBox商品重さ = std::int16_t(record.ComboBox商品重さ.position);
    detail.ComboBoxクロネコメール便 = std::int16_t(record.ComboBoxクロネコメール便.position);
    detail.mailItemSizeAgain = detail.ComboBoxクロネコメール便;
    for (const auto& [detailField, recordField] : kCheckFields)
        detail.*detailField = std::int16_t(record.*recordField);
    detail.TextBoxその他の運送会社 = withoutQuotes(record.TextBoxその他の運送会社);
    detail.TextBox送料一律 = withoutQuotes(record.TextBox送料一律);
    detail.savedAt = savedAt;
    return detail;
}

QByteArray encodeDetailRecord(const DetailRecord& detail) {
    RecordWriter out;
    forEachField(detail, Writing{out});
    out.endRecord();
    return out.bytes().toByteArray();
}

DetailRecord ReadDetailRecord(Files& files, const QString& path) {
    RecordReader in(files.read(path));
    DetailRecord detail;
    forEachField(detail, Reading{in});
    return detail;
}

ListingRecord ApplyDetailRecord(const DetailRecord& detail, ListingRecord record) {
    select(record.ComboBox商品サイズ, core::sizeOptions(), detail.ComboBox商品サイズ);
    select(record.ComboBox商品重さ, core::weightOptions(), detail.ComboBox商品重さ);
    select(record.ComboBoxクロネコメール便, core::envelopeClassOptions(),
           detail.ComboBoxクロネコメール便);
    for (const auto& [detailField, recordField] : kCheckFields) {
        const std::int16_t state = detail.*detailField;
        if (state < 0 || state > 2)
            invalidValue();
        record.*recordField = state;
    }
    record.TextBoxその他の運送会社 = detail.TextBoxその他の運送会社;
    record.TextBox送料一律 = detail.TextBox送料一律;
    record.Check注意事項 = 0;
    return record;
}

QByteArray encodeDescription(const QString& text) {
    return platform::toCp932(platform::withCrLf(text), platform::Unmappable::CharacterReference);
}

QString readDescription(Files& files, const QString& path) {
    const QString text = platform::fromCp932(files.read(path));
    QString result;
    result.reserve(text.size() + 2);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r')
            continue;
        result += QStringView(text).sliced(lineStart, i - lineStart);
        result += u"\r\n";
        if (i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < text.size()) {
        result += QStringView(text).sliced(lineStart);
        result += u"\r\n";
    }
    return result;
}

} // namespace storage
