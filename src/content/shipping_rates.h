#pragma once

#include <QString>

#include <array>

namespace content {

// One row of text/配送.txt: name, weight limit in grams, price in yen, extra number.
struct RateRow {
    int weightLimit = 0;
    int price = 0;
    int extra = 0;
};

// Up to ten rows of one kind, in file order.
struct RateRows {
    std::array<RateRow, 10> rows{};
    int count = 0;
};

// The rows of text/配送.txt filed by service name.
struct ShippingRateTable {
    RateRows standardLetter;    // "定形郵便物"
    RateRows nonStandardLetter; // "定形外郵便物"
    RateRows bookPost;          // "ゆうメール"
    RateRows takkyubin;         // "宅急便"
    RateRows yuPack;            // "ゆうパック"
    RateRows hakoBoon;          // "はこBOON"
    RateRows mailBin;           // names starting with "メール便"
};

// Reads applicationFolder/text/配送.txt into `table` (emptied first). Rows read before a
// failure stay loaded. Throws platform::Error: 53 for a missing file, 13 for a non-numeric
// number, 6 for a weight limit above 32767, 9 for an eleventh row of one kind.
void LoadShippingRates(const QString& applicationFolder, ShippingRateTable& table);

} // namespace content
