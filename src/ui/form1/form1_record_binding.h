#pragma once

#include "content/listing_form_apply.h"
#include "core/listing_record.h"
#include "ui/form1/form1_widgets.h"

namespace ui {

// The record's values go in and out through the control table: every row naming a record
// member, by its kind. The colour scheme and the booth options are groups of controls and
// are handled beside those.

// The values of every control.
core::ListingRecord readRecord(const Form1Widgets& widgets);

enum class Fields { All, HeldOnly };
// Puts the values of `record` into the controls without running the seller's click
// handlers; HeldOnly: only the rows marked held, which putting back the held values can
// change, so the seller's typing elsewhere keeps its caret and undo history.
void writeRecord(Form1Widgets& widgets, const core::ListingRecord& record, Fields fields);

// Fills every drop-down list from `lists`, with nothing chosen.
void fillLists(Form1Widgets& widgets, const content::FormLists& lists);

} // namespace ui
