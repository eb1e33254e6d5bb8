#pragma once

#include "core/workspace.h"
#include "platform/error.h"

#include <QString>
#include <array>
#include <optional>

namespace content {

// One row of text/配送.txt: name, weight limit in grams, price in yen, extra number. Fields
// a kind does not keep stay 0.
struct RateRow {
    int weightLimit = 0;
    int price = 0;
    int extra = 0;
    bool operator==(const RateRow&) const = default;
};

// Up to ten rows of one kind, in file order.
struct RateRows {
    static constexpr int kCapacity = 10;
    std::array<RateRow, kCapacity> rows{};
    int count = 0;

    // The number (1 to count) of the first row whose weight limit is at least `grams`, or 0
    // when no row fits.
    int firstFittingRow(int grams) const;
};

// The rows of text/配送.txt filed by service name.
struct ShippingRateTable {
    RateRows standardLetter;    // "定形郵便物": weight limit, price
    RateRows nonStandardLetter; // "定形外郵便物": weight limit, price
    RateRows bookPost;          // "ゆうメール": weight limit, price
    RateRows takkyubin;         // "宅急便": weight limit, extra (size)
    RateRows yuPack;            // "ゆうパック": extra (size)
    RateRows hakoBoon;          // "はこBOON": weight limit
    RateRows mailBin;           // names starting with "メール便": weight limit, price, extra
};

// Files the rows of `text` (four pieces a row) into `table`, emptied first. An eleventh row
// of one kind is left out and reading goes on; a weight limit or extra that is no number
// (13) or above 32767 (6), a price that is no number (13), or a last row cut short (62)
// stops the reading. The first of these failures is returned; rows filed before it stay.
std::optional<platform::Error> readShippingRates(const QString& text, ShippingRateTable& table);

// Reads text/配送.txt into `table` as readShippingRates does. A file that cannot be read
// throws platform::Error (53 for a missing file) and leaves `table` empty.
std::optional<platform::Error> LoadShippingRates(const core::Workspace& workspace,
                                                 ShippingRateTable& table);

} // namespace content
