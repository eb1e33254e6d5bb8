#include "workspace.h"

namespace core {

QString Workspace::path(QStringView relative) const {
    QString joined = applicationFolder;
    joined += QLatin1Char('/');
    joined += relative;
    return joined;
}

} // namespace core
