#pragma once

#include "scripture/reference.h"
#include "scripture/versetext.h"
#include "search/foldedpattern.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The search over a scripture text. A query that names verses as readers write them ("John
// 3:16-18", "Ps 23", or "3:16" when one book is searched) lists those verses in text order. Any
// other query is searched in two passes, its letters in any case: the phrase pass lists every
// line in scope that holds the whole query; only when it finds nothing does the all-words pass
// list the lines that hold every word of the query, in any order. A query that ends in a
// separator adds an empty word, which every non-empty line holds. Both sides are folded as the
// text's encoding folds (search::folded).
namespace search {

struct Outcome {
    LineList lines;             // the result lines, in text order
    bool foundByPhrase = false; // the phrase pass found them; the all-words pass did not run
    bool byReference = false;   // the query named them
};

// book: the one book searched, by its place in the book catalogue; every book when none.
Outcome run(const VerseText& text, const QString& query, std::optional<int> book = std::nullopt);

// The verses a query names, when it names any: a reference to chapters or verses, or, in one
// book, a chapter and verse or a run of them written without the book. A book's name alone is
// searched as a word ("Job", "Mark", "Acts").
std::optional<scripture::Reference> referenceIn(const QString& query, std::optional<int> book);

// The query as matched in a text of the encoding: trimmed of spaces (only spaces) and folded.
QString preparedQuery(const QString& query, TextEncoding encoding);

// The words the all-words pass tests, in query order: runs of the letters A to Z in a
// Windows-1252 text, where any other character separates them, and of any letters and marks in
// a UTF-8 one. The last is empty when the prepared query ends with a separator.
QStringList queryWords(const QString& prepared, TextEncoding encoding);

// What a line must hold to be found, folded and in the text's encoding: by the phrase pass, the
// whole prepared query (none when the encoding lacks one of its characters, so no line holds
// it); by the all-words pass, every one of the distinct non-empty words (none: every non-empty
// line is found).
struct Terms {
    std::optional<FoldedPattern> phrase;
    std::vector<FoldedPattern> words;
};
Terms searchTerms(const QString& prepared, TextEncoding encoding);

// The result lines themselves, as read.
QStringList resultLines(const VerseText& text, const LineList& lines);

} // namespace search
