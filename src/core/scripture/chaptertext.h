#pragma once

#include "scripture/chapterwalk.h"
#include "scripture/versetext.h"

#include <QString>

#include <vector>

// The display form of one chapter, as the reading area shows it: each line of the text that
// begins with the chapter's prefix ("Psalms 23:"), with every occurrence of the prefix taken
// out, followed by CR LF CR LF. The verse spans (versespans.h) read this form back.
namespace scripture {

struct ChapterText {
    QString text; // empty when no line begins with the prefix
    // Each line shown: its line in the verse text, where it begins in the display text, and the
    // verse number it starts with (0: none).
    struct Shown {
        qsizetype line = 0;
        qsizetype offset = 0;
        int verse = 0;
    };
    std::vector<Shown> lines;

    // Where the verse's line begins, the first such line; nothing when the chapter lacks it.
    std::optional<qsizetype> offsetOfVerse(int verse) const;
    // Where the text's line begins; nothing when the chapter does not show it.
    std::optional<qsizetype> offsetOfLine(qsizetype line) const;
};

ChapterText chapterText(const VerseText& text, const ChapterPlace& place);

// The verse number a line's reference ends with ("John 3:16  For God..." holds 16): its digits
// after the prefix, up to a space; 0 when there are none.
int verseNumberAfter(QByteArrayView line, qsizetype prefixSize);

} // namespace scripture
