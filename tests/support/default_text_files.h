#pragma once

#include <QStringList>

// Text files like the ones a first run writes, for windows built in tests and for the
// screenshot tool.
QStringList defaultRegionLines();              // text/都道府県.txt: 47 names
QStringList defaultLinkLines();                // text/リンク情報.txt: 5 links
QStringList defaultRateLines();                // text/配送.txt: 41 rows
QStringList defaultPaymentExplanationLines();  // text/支払い説明.txt
QStringList defaultShippingExplanationLines(); // text/発送説明.txt
QStringList defaultNotesLines();               // text/注意事項.txt

// Writes the six files above below `applicationFolder`.
void writeDefaultTextFiles(const QString& applicationFolder);
// Writes ini/auction.ini, ini/setting.ini and ini/basic.ini as a first run does.
void writeFirstRunProfiles(const QString& applicationFolder);
