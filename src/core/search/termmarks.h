#pragma once

#include "scripture/textencoding.h"
#include "search/searchengine.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The searched words shown in the chapter of a result.
namespace search {

// What a search's results are marked with: nothing when the query named them, the phrase when
// the phrase pass found them, else each word of the query, each once; folded as a text in the
// encoding is searched.
QStringList markedTerms(const QString& query, const Outcome& found, TextEncoding encoding);

// Where the terms occur in a text, as (start, length), compared as the search compares: both
// sides folded alike, then code by code.
std::vector<std::pair<qsizetype, qsizetype>> termRanges(QStringView text, const QStringList& terms,
                                                        TextEncoding encoding);

} // namespace search
