#pragma once

#include "platform/prompter.h"

#include <QString>

namespace page {

// Results of CheckTitle.
inline constexpr int kTitleAccepted = 0;
inline constexpr int kTitleEmpty = 1;
inline constexpr int kTitleTooLong = 2;

// The most characters a title may have in its full-width form.
inline constexpr int kTitleLimit = 30;

// The title without its line breaks (CR LF), NUL characters and the spaces at both ends.
QString NormalizeTitle(const QString& title);

// kTitleAccepted for 1 to kTitleLimit characters after the full-width conversion; otherwise
// the reason is shown through `prompter` and kTitleEmpty or kTitleTooLong is returned.
int CheckTitle(const QString& title, platform::Prompter& prompter);

// `text` without the ASCII and ideographic spaces at both ends.
QString trimmedOfSpaces(const QString& text);

} // namespace page
