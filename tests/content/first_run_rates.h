#pragma once

#include <QStringList>

// The lines of the shipping-rate file a first run writes, as the seller finds them.
QStringList firstRunRateLines();
