#pragma once

#include <QStringList>

// The phrase files a fresh workspace starts with, line by line.
namespace aids {

QStringList firstRunNotesPhraseLines();
QStringList firstRunPaymentPhraseLines();
QStringList firstRunShippingPhraseLines();
QStringList firstRunStockPhraseLines();

} // namespace aids
