#pragma once

#include "core/held_selections.h"
#include "core/listing_record.h"
#include "core/workspace.h"
#include "platform/error.h"

#include <QStringList>
#include <optional>

namespace content {

struct FormSaveOutcome {
    // What the seller calls each value that had characters CP932 lacks; each such character
    // was written as "?".
    QStringList replacedFields;
    // The first write that failed; every other key was still written.
    std::optional<platform::Error> failure;
};

// Writes the seller's standing choices back to the three profile files, every key of
// profileBindings(): list positions and flags as decimal numbers, texts as they are,
// colours as decimal numbers; the colour preset, booth option and template name come from
// `held`. The explanation files are not written. No value stops the save: a character
// CP932 lacks is written as "?", and a key or file that cannot be written is passed over.
FormSaveOutcome SaveListingForm(const core::Workspace& workspace, const core::ListingRecord& record,
                                const core::HeldSelections& held);

// The one message telling the seller which values were saved with "?" in place of
// characters; `fields` is not empty.
QString replacedCharactersMessage(const QStringList& fields);

} // namespace content
