#pragma once

#include <QString>

#include <optional>

// What opening a result line (a verse line exactly as read) in its chapter needs from it.
namespace scripture {

struct ResultReference {
    QString prefix;  // "Song of Solomon 2:": up to the colon after the chapter number
    QString book;    // "Song of Solomon": before the last space of the prefix
    QString chapter; // "2"
};

// The reference ends at the first two spaces in a row and the prefix at the first colon
// before them. Nothing when the line holds no such reference (the list's hint, for one).
std::optional<ResultReference> referenceOf(const QString& line);

// Where the line's verse (the line without its prefix) begins in the chapter text, counted
// from 0; 0 when the chapter text no longer holds it (the file changed since the search).
qsizetype verseOffset(const QString& chapterText, const QString& line, const QString& prefix);

} // namespace scripture
