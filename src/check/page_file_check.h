#pragma once

#include "core/workspace.h"
#include "page_check.h"

#include <optional>

namespace check {

// The findings of the page file at `pagePath` under the [check] settings of the workspace's
// ini/setting.ini. None when the page cannot be read: an empty list would tell the seller
// that the page is fine.
std::optional<QList<Finding>> checkPageFile(const core::Workspace& workspace,
                                            const QString& pagePath);

} // namespace check
