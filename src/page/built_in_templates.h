#pragma once

#include <QStringList>

namespace page {

// The three templates a fresh workspace gets, line by line. temp1 is also what a page is made
// from when the chosen template has gone missing, so first-run writing and that fallback share
// this one copy.
QStringList builtInTemplate1Lines();
QStringList builtInTemplate2Lines();
QStringList builtInTemplate3Lines();

} // namespace page
