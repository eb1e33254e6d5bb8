#pragma once

#include "content/shipping_rates.h"
#include "core/held_selections.h"
#include "core/listing_record.h"
#include "platform/error.h"

#include <QStringList>
#include <optional>

namespace content {

// The items of the drop-down lists the held positions point into.
struct FormLists {
    QStringList sizes;            // ComboBox商品サイズ
    QStringList weights;          // ComboBox商品重さ
    QStringList envelopeClasses;  // ComboBoxクロネコメール便
    QStringList prefectures;      // Combo都道府県
    QStringList boothDisplays;    // ComboMyBooth
    QStringList displayWidths;    // ComboBox表示幅
    QStringList displayPositions; // ComboBox表示位置
    QStringList titleStyles;      // ComboTS1
    QStringList titleSizes;       // ComboTS2
    QStringList headingStyles;    // ComboMS1
    QStringList headingSizes;     // ComboMS2
    QStringList textStyles;       // ComboSR1
    QStringList textSizes;        // ComboSR2
};

// The program's fixed lists, with the region list read from text/都道府県.txt.
FormLists standardFormLists(const QStringList& prefectures);

// Composes the payment and the shipping summary into the record's captions.
void composeCaptions(const ShippingRateTable& rates, core::ListingRecord& record);

// Puts the held values into the record: list positions (a position selects its item's
// text; -1 selects nothing and keeps the text), the payment and shipping captions, the
// colour preset, the booth option, the user and font colours and the template caption.
// A held value that is not a number (13), does not fit (6) or is no position of its list or
// no colour (380) is left unapplied; every other value is applied and the first such error
// is returned.
std::optional<platform::Error> ApplyHeldSelections(const core::HeldSelections& held,
                                                   const FormLists& lists,
                                                   const ShippingRateTable& rates,
                                                   core::ListingRecord& record);

} // namespace content
