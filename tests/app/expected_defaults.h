#pragma once

#include <QStringList>

// The default file contents a fresh workspace must hold, written out independently of the
// program's own tables so that a slip in either one shows up.
namespace expected {

QStringList template1();
QStringList template2();
QStringList template3();
QStringList shippingRates();
QStringList regions();
// The link lines with their addresses still as ADDR_* tokens.
QStringList linkLinesWithTokens();

} // namespace expected
