#pragma once

#include "content/listing_form_apply.h"
#include "core/listing_record.h"
#include "ui/form1/form1_widgets.h"

#include <span>

namespace ui {

// One field of ListingRecord and the control that shows it. `held` fields are the ones
// putting the held values back can change; only those are written at each activation, so
// the seller's typing elsewhere keeps its caret and undo history.
template <typename Value, typename Widget> struct FieldBinding {
    Value core::ListingRecord::*value;
    Widget* Form1Widgets::*widget;
    bool held = false;
};

struct ComboBinding {
    core::ComboValue core::ListingRecord::*value;
    QComboBox* Form1Widgets::*widget;
    QStringList content::FormLists::*items; // what fills the list
};

// Every field of the record with its control, by kind. The mail-bin pair, the colour
// scheme and the booth options are groups of controls and are handled beside these.
std::span<const FieldBinding<core::CheckValue, QCheckBox>> checkBindings();
std::span<const FieldBinding<QString, QLineEdit>> textBindings();
std::span<const FieldBinding<QString, QPlainTextEdit>> multiLineBindings();
std::span<const FieldBinding<QString, QLabel>> displayBindings();
std::span<const FieldBinding<platform::ColourValue, SwatchLabel>> colourBindings();
std::span<const ComboBinding> comboBindings();

// The values of every control.
core::ListingRecord readRecord(const Form1Widgets& widgets);

enum class Fields { All, HeldOnly };
// Puts the values of `record` into the controls without running the seller's click
// handlers.
void writeRecord(Form1Widgets& widgets, const core::ListingRecord& record, Fields fields);

// Fills every drop-down list from `lists`, with nothing chosen.
void fillLists(Form1Widgets& widgets, const content::FormLists& lists);

} // namespace ui
