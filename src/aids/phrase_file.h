#pragma once

#include "platform/prompter.h"

#include <QString>
#include <optional>

namespace aids {

// The whole text of a phrase file, line breaks as they are in the file. Throws
// platform::Error: 53 for a missing file, 62 for an empty one (a phrase must not be empty).
QString readPhraseFile(const QString& path);

// readPhraseFile, with a failure shown as "description (Insert n)" instead of thrown.
std::optional<QString> loadPhraseFile(const QString& path, platform::Prompter& prompter);

} // namespace aids
