#pragma once

#include <QString>

// The texts the window's boxes show where nothing is chosen yet. Start-up puts them there and
// the handlers compare against them, so each is written once.
namespace shell {

// The reading area's book and chapter boxes, and the favorites page's book box.
inline const QString kBooks = QStringLiteral("Books");
inline const QString kChapter = QStringLiteral("Chapter");

// The search page: its book box before a book is chosen, the item that searches every book,
// the search box's prompt and the result list's hint.
inline const QString kSelectBook = QStringLiteral("Select Book");
inline const QString kTheBible = QStringLiteral("The Bible");
inline const QString kSearchPrompt =
    QStringLiteral("Enter search words, phrase, or verse and select book.");
inline const QString kResultHint = QStringLiteral("Click verse to view chapter.");

// The subject box before a subject is chosen, and what an emptied favorites list shows when
// the box names nothing either.
inline const QString kSelectSubject = QStringLiteral("Select Subject");
inline const QString kNewSubjectText = QStringLiteral("New");

} // namespace shell
