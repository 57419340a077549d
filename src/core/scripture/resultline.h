#pragma once

#include "scripture/chapterwalk.h"
#include "scripture/versetext.h"

#include <memory>
#include <optional>

// Where a line of the text, such as a search's result, is read in its chapter.
namespace scripture {

struct VersePlace {
    ChapterPlace chapter;
    int verse = 0;
    bool operator==(const VersePlace&) const = default;
};

// The place a verse line names ("Song of Solomon 2:1  I am the rose..."): its reference ends at
// the first two spaces in a row; the book is what comes before the last space ahead of the
// reference's first colon, the chapter the number between them and the verse the digits after
// the colon (0 for none). Nothing when the line holds no such reference.
std::optional<VersePlace> versePlaceOf(const VerseText& text, qsizetype line);

// A line of a text as a search found it, to be opened in its chapter: the text it was found in
// is kept, so the line can still be read when the text has been read again since.
struct FoundLine {
    std::shared_ptr<const VerseText> text;
    qsizetype line = 0;
};

} // namespace scripture
