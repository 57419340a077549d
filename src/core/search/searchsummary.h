#pragma once

#include <QString>

namespace search {

// What the status line under the window says for the search page: before a book is chosen, how
// to choose where to search; after a search, how many verses it found, or that none holds the
// query.
inline const QString kChooseWhereHint =
    QStringLiteral("Pick The Bible or a book in the \u201CSelect Book\u201D box to search.");

// The status after leaving the search box or picking a book, before any search runs.
QString statusBeforeSearch(const QString& book);
// The status when the book box names no book to search.
QString unknownScopeSummary(const QString& boxText);

// The status after a search for the query found so many verses.
QString foundSummary(qsizetype found, const QString& query);

} // namespace search
