#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The searched words shown in the chapter of a result.
namespace search {

// What a search's results are marked with: the phrase when the phrase pass found them, else
// each word of the query.
QStringList markedTerms(const QString& query, bool foundByPhrase);

// Where the terms occur in a text, as (start, length), compared as the search compares: both
// sides upper-cased alike, then code by code.
std::vector<std::pair<qsizetype, qsizetype>> termRanges(QStringView text, const QStringList& terms);

} // namespace search
