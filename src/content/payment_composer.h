#pragma once

#include "core/listing_record.h"

namespace content {

// The caption of Label支払い方法: one line per ticked payment method, lines joined by CR LF.
QString ComposePaymentText(const core::ListingRecord& record);

} // namespace content
