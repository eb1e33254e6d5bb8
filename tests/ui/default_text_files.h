#pragma once

#include <QStringList>

// Text files like the ones a first run writes, for windows built in tests and for the
// screenshot tool.
QStringList defaultRegionLines(); // text/都道府県.txt: 47 names
QStringList defaultLinkLines();   // text/リンク情報.txt: 5 links
QStringList defaultRateLines();   // text/配送.txt: 41 rows

// Writes the three files above below `applicationFolder`.
void writeDefaultTextFiles(const QString& applicationFolder);
