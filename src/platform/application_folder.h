#pragma once

#include <QString>

namespace platform {

// The folder of the running executable: everything the program keeps lives below it.
QString applicationFolder();

} // namespace platform
