#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A place in the text as readers write it: a book, a chapter or a run of chapters, a verse or a
// run of verses, within a chapter or across chapters ("John", "Ps 23-24", "John 3:16-18",
// "Gen 1:31-2:2").
namespace scripture {

// The largest chapter or verse number a reference holds; a larger one names nothing.
inline constexpr int kLargestVerseNumber = 32767;

struct Reference {
    enum class Kind { WholeBook, Chapters, Verses };

    int book = 0;         // its index in catalogue()
    int firstChapter = 0; // 0, with lastChapter 0: the whole book
    int firstVerse = 0;   // 0, with lastVerse 0: whole chapters
    int lastChapter = 0;
    int lastVerse = 0;

    Kind kind() const;
    // Whether the verse lies in the reference. Verse numbers are kept as typed, so a run may end
    // past its chapter's last verse ("John 3:30-99"): the text tells which verses there are.
    bool includes(int chapter, int verse) const;
    // The chapter a reader is taken to: the first one named, or the book's first.
    int chapterToShow() const { return firstChapter > 0 ? firstChapter : 1; }
    // As the status line names it: "John 3:16-18", "Genesis 1:31-2:2", "Psalms 23-24", with the
    // book's catalogue name. A verse of a book of one chapter keeps its chapter ("Jude 1:3").
    QString formatted() const;

    bool operator==(const Reference&) const = default;
};

// A reference typed on its own, such as a search query: a book named as findBook() reads it,
// then nothing (the whole book; the name must be the book's name or an abbreviation of it), a
// chapter, "chapter-chapter", "chapter:verse", "chapter:verse-verse" or
// "chapter:verse-chapter:verse", with "." also taken for ":" and an en dash for "-", and spaces
// around them. In a book of one chapter a number alone is a verse ("Jude 3", "Jude 3-5").
// Nothing when the text is no such reference, names a chapter the book lacks, a chapter or verse
// 0, or runs backwards.
std::optional<Reference> parseReference(QStringView typed);

// A reference typed in a box beside a chosen book, as the favourites page's lookup reads it
// ("3:16", "1:1-6", "3 16", "3-16", "3;16"): any character that is not a digit separates, the
// first number is the chapter, the number before the last separator the verse and the one after
// it the last verse. A chapter and a verse are needed; nothing otherwise, as for
// parseReference(). A last verse equal to the first names that verse.
std::optional<Reference> parseReferenceIn(int book, QStringView typed);

} // namespace scripture
