#pragma once

#include "scripture/versetext.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The two-pass search over the scripture text. The phrase pass lists every line in scope
// whose upper-cased form holds the whole query; only when it finds nothing does the all-words
// pass list the lines that hold every word of the query, in any order. Words are runs of the
// letters A to Z; any other character separates them, and a query that ends in a separator
// adds an empty word, which every non-empty line holds.
namespace search {

struct Outcome {
    std::vector<qsizetype> lines; // indices of the result lines, in file order
    bool foundByPhrase = false;   // the phrase pass found them; the all-words pass did not run
};

// query: the search box's text as it stands; scope: the book box's text, where "The Bible"
// means every line and any other text is a prefix the line must begin with.
Outcome run(const VerseText& text, const QString& query, const QString& scope);

// The query as matched: trimmed of spaces (only spaces) and upper-cased.
QString preparedQuery(const QString& query);

// The words the all-words pass tests, in query order; the last is empty when the prepared
// query ends with a separator.
QStringList queryWords(const QString& prepared);

// What a line must hold to be found, upper-cased and in the code page: by the phrase pass, the
// whole prepared query (none when the code page lacks one of its characters, so no line holds
// it); by the all-words pass, every one of the distinct non-empty words (none: every non-empty
// line is found).
struct Terms {
    std::optional<QByteArray> phrase;
    std::vector<QByteArray> words;
};
Terms searchTerms(const QString& prepared);

// The result lines themselves, as read.
QStringList resultLines(const VerseText& text, const std::vector<qsizetype>& lines);

} // namespace search
