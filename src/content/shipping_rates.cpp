#include "shipping_rates.h"

#include "core/piece_reader.h"
#include "number_text.h"
#include "platform/text_file.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace content {
namespace {

using platform::Error;
namespace ErrorNumber = platform::ErrorNumber;

constexpr int kPiecesPerRow = 4;

// Which rows a kind files into and which of the three numbers it keeps.
struct Kind {
    RateRows ShippingRateTable::*rows;
    bool keepsWeightLimit;
    bool keepsPrice;
    bool keepsExtra;
};

std::optional<Kind> kindNamed(const QString& name) {
    if (name == u"定形郵便物")
        return Kind{&ShippingRateTable::standardLetter, true, true, false};
    if (name == u"定形外郵便物")
        return Kind{&ShippingRateTable::nonStandardLetter, true, true, false};
    if (name == u"ゆうメール")
        return Kind{&ShippingRateTable::bookPost, true, true, false};
    if (name == u"宅急便")
        return Kind{&ShippingRateTable::takkyubin, true, false, true};
    if (name == u"ゆうパック")
        return Kind{&ShippingRateTable::yuPack, false, false, true};
    if (name == u"はこBOON")
        return Kind{&ShippingRateTable::hakoBoon, true, false, false};
    if (name.startsWith(u"メール便"))
        return Kind{&ShippingRateTable::mailBin, true, true, true};
    return std::nullopt;
}

// The rate file is read the way the data-file reader reads a number field, which also
// takes the exponent form ("1e3" is 1000); profile values are converted with the
// stricter whole-number text rule of number_text.h. Only the parsing differs.
int wholeNumber(const QString& text, int minimum, int maximum) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw Error::fromNumber(ErrorNumber::TypeMismatch);
    return roundedWhole(value, minimum, maximum);
}

int int16Number(const QString& text) {
    return wholeNumber(text, std::numeric_limits<std::int16_t>::min(),
                       std::numeric_limits<std::int16_t>::max());
}

int int32Number(const QString& text) {
    return wholeNumber(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

RateRow rowOf(const Kind& kind, const std::array<QString, kPiecesPerRow>& pieces) {
    RateRow row;
    if (kind.keepsWeightLimit)
        row.weightLimit = int16Number(pieces[1]);
    if (kind.keepsPrice)
        row.price = int32Number(pieces[2]);
    if (kind.keepsExtra)
        row.extra = int16Number(pieces[3]);
    return row;
}

bool allEmpty(const std::array<QString, kPiecesPerRow>& pieces) {
    for (const QString& piece : pieces) {
        if (!piece.isEmpty())
            return false;
    }
    return true;
}

} // namespace

int RateRows::firstFittingRow(int grams) const {
    for (int i = 0; i < count; ++i) {
        if (rows[std::size_t(i)].weightLimit >= grams)
            return i + 1;
    }
    return 0;
}

std::optional<platform::Error> readShippingRates(const QString& text, ShippingRateTable& table) {
    table = ShippingRateTable{};
    std::optional<Error> firstFailure;
    auto failed = [&](const Error& error) -> std::optional<Error> {
        return firstFailure ? firstFailure : error;
    };

    core::PieceReader reader(text);
    while (!reader.atEnd()) {
        std::array<QString, kPiecesPerRow> pieces;
        int count = 0;
        while (count < kPiecesPerRow && !reader.atEnd())
            pieces[std::size_t(count++)] = reader.next();
        if (count < kPiecesPerRow) {
            // Blank lines after the last row are an easy slip when editing the file by hand.
            if (allEmpty(pieces))
                break;
            return failed(Error::fromNumber(ErrorNumber::InputPastEndOfFile));
        }

        const std::optional<Kind> kind = kindNamed(pieces[0]);
        if (!kind)
            continue;
        RateRows& rows = table.*(kind->rows);
        if (rows.count == RateRows::kCapacity) {
            // The extra row is left out, and the rows after it still count.
            if (!firstFailure)
                firstFailure = Error::fromNumber(ErrorNumber::SubscriptOutOfRange);
            continue;
        }
        try {
            rows.rows[std::size_t(rows.count)] = rowOf(*kind, pieces);
        } catch (const Error& error) {
            return failed(error);
        }
        ++rows.count;
    }
    return firstFailure;
}

std::optional<platform::Error> LoadShippingRates(const core::Workspace& workspace,
                                                 ShippingRateTable& table) {
    table = ShippingRateTable{};
    const QString text = platform::readText(workspace.path(core::Workspace::ShippingRatesFile));
    return readShippingRates(text, table);
}

} // namespace content
