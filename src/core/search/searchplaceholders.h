#pragma once

#include <QString>

// The texts the search page's boxes show where nothing is chosen yet. Start-up puts them there
// and the decisions compare against them, so each is written once.
namespace search {

// The book box before a book is chosen, the item that searches every book, the search box's
// prompt and the result list's hint.
inline const QString kSelectBook = QStringLiteral("Select Book");
inline const QString kTheBible = QStringLiteral("The Bible");
inline const QString kSearchPrompt =
    QStringLiteral("Enter search words, phrase, or verse and select book.");
inline const QString kResultHint = QStringLiteral("Click verse to view chapter.");

} // namespace search
