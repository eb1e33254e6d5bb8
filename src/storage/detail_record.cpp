#include "detail_record.h"

#include "core/option_lists.h"
#include "platform/cp932.h"
#include "platform/error.h"
#include "platform/text_file.h"
#include "record_syntax.h"

#include <variant>

namespace storage {
namespace {

using core::ListingRecord;

using R = ListingRecord;
using D = DetailRecord;

// A field of the file: a member of the record, or one of the detail record's own.
using Field = std::variant<core::CheckValue R::*, core::ComboValue R::*, QString R::*,
                           std::int16_t D::*, QDateTime D::*>;

// clang-format off
// Every field, in file order, so reading and writing share one list.
constexpr Field kFields[] = {
    &R::ComboBox商品サイズ, &R::ComboBox商品重さ, &R::ComboBoxクロネコメール便,
    &R::CheckBoxゆうちょ銀行, &R::CheckBox銀行1, &R::CheckBox銀行2, &R::CheckBox銀行3,
    &R::CheckBoxかんたん決済, &R::CheckBoxネットバンキング, &R::CheckBox現金書留,
    &R::CheckBox代金引換, &R::CheckBoxその他, &R::Check支払いl説明, &R::Check発送説明,
    &R::CheckBox定形郵便, &R::CheckBox定形外郵便, &R::CheckBoxゆうメール, &R::CheckBoxミニレター,
    &R::CheckBoxレターパック350, &R::CheckBoxレターパック500, &R::CheckBoxゆうパック,
    &R::CheckBoxゆうパック持込割引, &R::CheckBoxクロネコメール便, &D::mailItemSizeAgain,
    &R::CheckBoxクロネコ宅急便, &R::CheckBoxクロネコ宅急便持込割引, &R::CheckBoxはこBOON,
    &R::CheckBoxその他の運送会社, &R::TextBoxその他の運送会社, &R::CheckBox送料一律,
    &R::TextBox送料一律, &R::CheckBox最安値, &D::savedAt,
};
// clang-format on
static_assert(std::size(kFields) == 33);

struct Reading {
    RecordReader& in;
    DetailRecord& detail;
    void operator()(core::CheckValue R::*box) const { detail.*box = in.readInteger(); }
    void operator()(core::ComboValue R::*list) const { (detail.*list).position = in.readInteger(); }
    void operator()(QString R::*text) const { detail.*text = in.readText(); }
    void operator()(std::int16_t D::*number) const { detail.*number = in.readInteger(); }
    void operator()(QDateTime D::*time) const { detail.*time = in.readDateTime(); }
};

struct Writing {
    RecordWriter& out;
    const DetailRecord& detail;
    void operator()(core::CheckValue R::*box) const { out.integer(std::int16_t(detail.*box)); }
    void operator()(core::ComboValue R::*list) const {
        out.integer(std::int16_t((detail.*list).position));
    }
    void operator()(QString R::*text) const { out.text(detail.*text); }
    void operator()(std::int16_t D::*number) const { out.integer(detail.*number); }
    void operator()(QDateTime D::*time) const { out.dateTime(detail.*time); }
};

[[noreturn]] void invalidValue() {
    throw platform::Error::fromNumber(platform::ErrorNumber::InvalidPropertyValue);
}

// The items of the list a position of the file chooses from.
QStringList itemsOf(core::ComboValue R::*list) {
    if (list == &R::ComboBox商品サイズ)
        return core::sizeOptions();
    if (list == &R::ComboBox商品重さ)
        return core::weightOptions();
    return core::envelopeClassOptions();
}

void select(core::ComboValue& combo, const QStringList& items, int position) {
    if (position < -1 || position >= items.size())
        invalidValue();
    combo.position = position;
    if (position >= 0)
        combo.text = items[position];
}

// Puts one field of `detail` into `record`, refusing what the window could not show.
struct Applying {
    const DetailRecord& detail;
    ListingRecord& record;
    void operator()(core::CheckValue R::*box) const {
        const core::CheckValue state = detail.*box;
        if (state < 0 || state > 2)
            invalidValue();
        record.*box = state;
    }
    void operator()(core::ComboValue R::*list) const {
        select(record.*list, itemsOf(list), (detail.*list).position);
    }
    void operator()(QString R::*text) const { record.*text = detail.*text; }
    void operator()(std::int16_t D::*) const {}
    void operator()(QDateTime D::*) const {}
};

} // namespace

DetailRecord detailRecordOf(const ListingRecord& record, const QDateTime& savedAt) {
    DetailRecord detail;
    for (const Field& field : kFields) {
        if (const auto* box = std::get_if<core::CheckValue R::*>(&field))
            detail.** box = record.**box;
        else if (const auto* list = std::get_if<core::ComboValue R::*>(&field))
            (detail.**list).position = (record.**list).position;
        else if (const auto* text = std::get_if<QString R::*>(&field))
            detail.** text = withoutQuotes(record.**text);
    }
    detail.mailItemSizeAgain = std::int16_t(record.ComboBoxクロネコメール便.position);
    detail.savedAt = savedAt;
    return detail;
}

QByteArray encodeDetailRecord(const DetailRecord& detail) {
    RecordWriter out;
    for (const Field& field : kFields)
        std::visit(Writing{out, detail}, field);
    out.endRecord();
    return out.bytes().toByteArray();
}

DetailRecord ReadDetailRecord(Files& files, const QString& path) {
    RecordReader in(files.read(path));
    DetailRecord detail;
    for (const Field& field : kFields)
        std::visit(Reading{in, detail}, field);
    return detail;
}

ListingRecord ApplyDetailRecord(const DetailRecord& detail, ListingRecord record) {
    for (const Field& field : kFields)
        std::visit(Applying{detail, record}, field);
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
