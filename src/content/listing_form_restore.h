#pragma once

#include "core/held_selections.h"
#include "core/listing_record.h"
#include "platform/prompter.h"
#include "profile/profiles.h"

#include <QString>

namespace content {

// Puts the seller's standing choices from the three profile files and the explanation
// files of applicationFolder/text into `record` (check boxes, texts, explanation
// paragraphs) and `held` (list positions, colours, template name, booth option).
// A failing step is shown once through `prompter` and the restore goes on with the next.
void RestoreListingForm(const profile::Profiles& profiles, const QString& applicationFolder,
                        core::ListingRecord& record, core::HeldSelections& held,
                        platform::Prompter& prompter);

} // namespace content
