#pragma once

#include "content/shipping_rates.h"
#include "core/listing_record.h"

namespace content {

struct ShippingCaptions {
    QString first;  // Label送料1: the first five lines
    QString second; // Label送料2: the lines after them
    bool operator==(const ShippingCaptions&) const = default;
};

// The shipping lines and charges for the record's size, weight and ticked methods.
ShippingCaptions ComposeShippingText(const core::ListingRecord& record,
                                     const ShippingRateTable& rates);

} // namespace content
