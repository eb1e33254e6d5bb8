#pragma once

#include "core/workspace.h"

#include <QString>

namespace content {

// The web addresses the program opens. Each has a default and can be replaced in the
// [web] section of ini/setting.ini (so a test can point it at a loopback server).
struct WebAddresses {
    // The product's home page: the footer credit of every page and the about box.
    QString home = QStringLiteral("https://example.org/tomoe/");
};

WebAddresses readWebAddresses(const core::Workspace& workspace);

} // namespace content
