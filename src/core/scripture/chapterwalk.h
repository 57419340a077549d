#pragma once

#include <QString>

#include <optional>

// Turning chapters in the order of the text: the last chapter of a book is followed by the
// first of the next book, across the testaments.
namespace scripture {

struct ChapterPlace {
    QString book;
    int chapter = 0;
    bool operator==(const ChapterPlace&) const = default;
};

// The chapter that a book box and a chapter box name: a book of the catalogue, exactly, and
// one of its chapter numbers as the chapter list writes it.
std::optional<ChapterPlace> namedChapter(const QString& book, const QString& chapter);

// The chapter after or before; nothing after the last chapter of the text or before the first.
std::optional<ChapterPlace> nextChapter(const ChapterPlace& place);
std::optional<ChapterPlace> previousChapter(const ChapterPlace& place);

// The first chapter of the text.
ChapterPlace firstChapter();

enum class Turn { Next, Previous };

// The chapter Next or Previous Chapter opens: the one after or before the chapter shown, nothing
// past either end of the text. With none shown (the welcome or the help text) there is nothing
// to turn from, and either way goes back to the reading: the chapter the boxes name, which the
// reader left, or else the first chapter, where reading begins.
std::optional<ChapterPlace> turnedChapter(Turn turn, const std::optional<ChapterPlace>& shown,
                                          const std::optional<ChapterPlace>& named);

// The chapter the two boxes name as typed: the book as it stands, the chapter by its number;
// chapter 0, which no text holds, when the chapter box holds no number.
ChapterPlace typedChapter(const QString& book, const QString& chapter);

} // namespace scripture
