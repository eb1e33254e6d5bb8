#pragma once

#include "content/listing_form_controller.h"
#include "core/held_selections.h"
#include "core/listing_record.h"
#include "page/assemble_page.h"

#include <QString>

// What page assembly is handed, gathered from the window's state.
namespace content {

// The page style the held values choose. A held value that is no number counts as out of
// range, so it takes the replacement and the replacement is held from then on, as for any
// other value out of range.
page::PageStyle heldPageStyle(const core::HeldSelections& held);
// The style assembly brought into range, held from now on.
void holdPageStyle(core::HeldSelections& held, const page::PageStyle& style);

// Everything the page written to `outputPath` is made from: `record` as the window shows it
// now, the held style and template, and the tables read at start.
page::PageInputs pageInputs(const ListingFormController& form, core::ListingRecord record,
                            const QString& outputPath);

} // namespace content
