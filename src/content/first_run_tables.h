#pragma once

#include <QStringList>

// The text tables a fresh workspace starts with, line by line (line ends are added on
// writing).
namespace content {

QStringList firstRunShippingRateLines();
QStringList firstRunRegionLines();
QStringList firstRunLinkInfoLines();

} // namespace content
