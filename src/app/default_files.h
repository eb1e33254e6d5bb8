#pragma once

#include <QDateTime>
#include <QStringList>

// The contents a fresh workspace starts with, line by line (line ends are added on writing).
namespace app {

// The templates are page::kBuiltInTemplates: page assembly falls back on temp1.

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
