#include "application_folder.h"

#include <QCoreApplication>

namespace platform {

QString applicationFolder() { return QCoreApplication::applicationDirPath(); }

} // namespace platform
