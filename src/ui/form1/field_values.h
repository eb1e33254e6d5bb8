#pragma once

#include "core/listing_record.h"

class QAbstractButton;
class QComboBox;
class QPlainTextEdit;

namespace ui {

// A check box as the files keep it: 0 unticked, 1 ticked, 2 greyed.
core::CheckValue checkValue(const QAbstractButton* box);
// The shown text and the chosen position; with nothing chosen, the prompt text and -1.
core::ComboValue comboValue(const QComboBox* combo);
// The text with its lines joined by CR LF.
QString multiLineValue(const QPlainTextEdit* text);

} // namespace ui
