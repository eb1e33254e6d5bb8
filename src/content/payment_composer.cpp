#include "payment_composer.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace content {
namespace {

constexpr QLatin1String kLineBreak("\r\n");

} // namespace

QString ComposePaymentText(const core::ListingRecord& record) {
    using core::isTicked;
    QString caption;
    auto addLine = [&caption](const QString& method) {
        caption += u"・"_s + method + u"　"_s + kLineBreak;
    };

    if (isTicked(record.CheckBoxゆうちょ銀行))
        addLine(u"ゆうちょ銀行"_s);

    const std::pair<core::CheckValue, const QString*> banks[] = {
        {record.CheckBox銀行1, &record.TextBox銀行名1},
        {record.CheckBox銀行2, &record.TextBox銀行名2},
        {record.CheckBox銀行3, &record.TextBox銀行名3},
    };
    for (const auto& [ticked, name] : banks) {
        // A bank without a name would give a bare bullet.
        if (isTicked(ticked) && !name->isEmpty())
            addLine(*name);
    }

    if (isTicked(record.CheckBoxかんたん決済))
        addLine(u"Yahoo!かんたん決済"_s);
    if (isTicked(record.CheckBoxネットバンキング))
        addLine(u"Yahoo!ネットバンキング"_s);
    if (isTicked(record.CheckBox現金書留))
        addLine(u"現金書留"_s);
    if (isTicked(record.CheckBox代金引換))
        addLine(u"代金引換"_s);

    // The free text closes the list, so it gets no line break.
    if (isTicked(record.CheckBoxその他) && !record.TextBoxその他.isEmpty())
        caption += u"・その他　("_s + record.TextBoxその他 + u")"_s;
    return caption;
}

} // namespace content
