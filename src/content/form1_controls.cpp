#include "form1_controls.h"

#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <array>

namespace content {

namespace {

// clang-format off
constexpr std::array<QStringView, 5> kPageCaptions = {
    u"商品情報", u"支払詳細", u"発送詳細", u"基本情報＆注意事項", u"書式設定",
};
// clang-format on

using R = core::ListingRecord;

// The record member a row shows has the type its kind holds.
constexpr bool fieldFitsKind(const ControlEntry& entry) {
    if (std::holds_alternative<std::monostate>(entry.field))
        return true;
    switch (entry.kind) {
    case ControlKind::Check:
        return std::holds_alternative<core::CheckValue R::*>(entry.field);
    case ControlKind::Text:
    case ControlKind::MultiLineText:
    case ControlKind::Display:
        return std::holds_alternative<QString R::*>(entry.field);
    case ControlKind::Combo:
        return std::holds_alternative<core::ComboValue R::*>(entry.field);
    case ControlKind::BackSwatch:
    case ControlKind::ForeSwatch:
        return std::holds_alternative<platform::ColourValue R::*>(entry.field);
    default:
        return false;
    }
}

constexpr bool everyFieldFitsItsKind() {
    for (const ControlEntry& entry : kForm1Controls) {
        if (!fieldFitsKind(entry))
            return false;
    }
    return true;
}
static_assert(everyFieldFitsItsKind(), "a control row shows a record member of another type");

} // namespace

std::span<const ControlEntry> form1Controls() {
    return kForm1Controls;
}

std::size_t form1ControlIndex(QStringView name) {
    const auto* found = std::find_if(std::begin(kForm1Controls), std::end(kForm1Controls),
                                     [name](const ControlEntry& c) { return c.name == name; });
    if (found == std::end(kForm1Controls))
        qFatal("control missing from the table: %s", qPrintable(name.toString()));
    return std::size_t(found - std::begin(kForm1Controls));
}

const ControlEntry& form1Control(QStringView name) {
    return kForm1Controls[form1ControlIndex(name)];
}

std::span<const QStringView> form1PageCaptions() {
    return kPageCaptions;
}

} // namespace content
