#pragma once

#include "core/held_selections.h"
#include "core/listing_record.h"
#include "core/workspace.h"
#include "platform/error.h"

#include <optional>

namespace content {

// Writes the seller's standing choices back to the three profile files, key by key in
// the order of profileBindings(): list positions and flags as decimal numbers, texts as
// they are, colours as decimal numbers; the colour preset, booth option and template
// name come from `held`. The explanation files are not written. Stops at the first write
// that fails and returns its error; the keys after it keep their previous values.
std::optional<platform::Error> SaveListingForm(const core::Workspace& workspace,
                                               const core::ListingRecord& record,
                                               const core::HeldSelections& held);

} // namespace content
