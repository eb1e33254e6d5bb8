#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Narrowing a long list of titles to those that contain what the seller typed. Titles are
// typed in many forms, so both sides are folded first: full-width and half-width forms,
// hiragana and katakana, and upper and lower case count as the same.
namespace core {

// The form a title and a query are compared in.
QString foldForSearch(const QString& text);

// Every title folded once, so that each key typed only compares.
QStringList foldTitles(const QStringList& titles);

// The positions, in list order, of the folded titles that contain the query; every position
// for a query that folds to nothing.
QList<int> narrowTitles(const QStringList& foldedTitles, const QString& query);

} // namespace core
