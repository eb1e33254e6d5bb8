#pragma once

#include "platform/clock.h"
#include "platform/error.h"

#include <QString>
#include <optional>

namespace app {

// Makes sure every fixed folder of the workspace exists and writes the default contents of
// every fixed file that is missing; anything already present is left untouched, whatever
// it is. The first failure stops the work and is returned; what was made before it stays.
std::optional<platform::Error> PrepareWorkspace(const QString& applicationFolder,
                                                const platform::Clock& clock);

} // namespace app
