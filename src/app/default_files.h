#pragma once

#include <QDateTime>
#include <QStringList>

// The contents a fresh workspace starts with, line by line (line ends are added on writing).
namespace app {

QStringList defaultTemplate1Lines();
QStringList defaultTemplate2Lines();
QStringList defaultTemplate3Lines();

QStringList defaultShippingRateLines();
QStringList defaultRegionLines();

QStringList defaultNotesPhraseLines();
QStringList defaultPaymentPhraseLines();
QStringList defaultShippingPhraseLines();
QStringList defaultStockPhraseLines();

QStringList defaultLinkInfoLines();

// The index's placeholder record, stamped with `now`.
QStringList defaultIndexLines(const QDateTime& now);

} // namespace app
