#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// The 66 books of the text in order, with their chapter counts. Names are compared exactly;
// no name is a prefix of another, so "begins with the name" selects the lines of one book.
namespace scripture {

struct Book {
    const char* name;
    int chapters;
};

std::span<const Book> catalogue();

// What the book boxes and the reading area's chapter box show before anything is chosen.
inline const QString kBooks = QStringLiteral("Books");
inline const QString kChapter = QStringLiteral("Chapter");

// The separator item that stands between the two testaments in every book list.
inline const QString kBookListSeparator = QStringLiteral("***************");

// The 67 items of a book combo box: 39 names, the separator, 27 names.
QStringList bookList();

// The place in the catalogue of the book of exactly this name, or nothing.
std::optional<int> catalogueIndex(QStringView name);

// The chapter count of the book of exactly this name, or nothing.
std::optional<int> chapterCount(const QString& name);

// "1" to "n".
QStringList chapterList(int chapterCount);

} // namespace scripture
