#pragma once

#include <QString>

#include <optional>

namespace search {

// What leaving the search box or picking a book does with the two boxes' texts: nothing while
// the search box holds its prompt or no book is chosen (both compared as they stand, before
// any trimming); otherwise the query trimmed of spaces, which the search box then shows and
// which is searched when it is not empty.
std::optional<QString> queryWhenReady(const QString& query, const QString& book);

// Where the search page's book box says to search: every book for "The Bible", or the book it
// names exactly. Nothing for any other text.
struct Scope {
    std::optional<int> book; // by its place in the book catalogue; none: every book
};
std::optional<Scope> scopeNamed(const QString& boxText);

// The search box holds one line: each line break pasted into it (CR LF being one) becomes a
// space, so the words on either side stay apart and a phrase is still searched as one.
QString singleLineQuery(const QString& typed);

} // namespace search
