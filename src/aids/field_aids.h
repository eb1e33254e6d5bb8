#pragma once

#include "platform/prompter.h"

#include <QString>

namespace aids {

// The most characters a title may have; every character counts one, whatever its width.
inline constexpr int kTitleLimit = 30;

// The title counter's text: "あと" n "文字" while the title fits, "文字数オーバー" beyond.
QString UpdateTitleCounter(const QString& title);

// The title without its double quotation marks (0x22); full-width ones stay.
QString StripTitleQuotes(const QString& title);

// Asks before the description is cleared; true unless the seller says No. Clearing the
// title asks nothing: the box is emptied and the counter follows its change.
bool ClearDescription(platform::Prompter& prompter);

} // namespace aids
