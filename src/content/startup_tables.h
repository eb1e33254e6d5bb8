#pragma once

#include "content/listing_form_apply.h"
#include "content/shipping_rates.h"
#include "core/workspace.h"

#include <QStringList>

namespace content {

// What the main window reads from the text folder when it is created.
struct StartupTables {
    // The drop-down lists. A failed file step stops the reading: the region list and the
    // font lists after a missing region file stay empty, as the seller then sees them.
    FormLists lists;
    QStringList regions; // always core::kPrefectureCount entries
    QStringList links;   // always core::kLinkCount entries
    ShippingRateTable rates;
    QStringList messages; // to show, in order
};

// Reads the region list, the link table and the rate table in this order. A missing file
// stops the reading with "ファイルがありません。(FI　" and its path; an oversized table or a
// bad rate is told and the reading goes on.
StartupTables LoadStartupTables(const core::Workspace& workspace);

} // namespace content
