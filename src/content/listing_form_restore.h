#pragma once

#include "core/held_selections.h"
#include "core/listing_record.h"
#include "core/workspace.h"
#include "platform/prompter.h"

namespace content {

// Puts the seller's standing choices from the three profile files and the explanation
// files of the text folder into `record` (check boxes, texts, explanation paragraphs) and
// `held` (list positions, colours, template name, booth option), key by key in the order
// of profileBindings(). A failing key is shown once through `prompter` and the restore goes
// on with the next, so one bad hand-edited number costs only its own value, not the keys
// after it (which would otherwise be saved back as defaults at exit).
void RestoreListingForm(const core::Workspace& workspace, core::ListingRecord& record,
                        core::HeldSelections& held, platform::Prompter& prompter);

} // namespace content
