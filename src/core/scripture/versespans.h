#pragma once

#include "scripture/versetext.h"

#include <QString>
#include <QStringList>

#include <vector>

// The verses of a chapter as the reading area shows it, also after the user has edited it: a
// verse begins at a paragraph that starts with its number and a space ("16  For God..."), and
// runs up to the next such paragraph, so the line breaks after it and any paragraph without a
// number (a verse split in two) belong to it. Text before the first numbered paragraph belongs
// to no verse.
namespace scripture {

struct VerseSpan {
    qsizetype start = 0;   // where the verse's number begins
    qsizetype lineEnd = 0; // where its numbered paragraph ends, before the break
    qsizetype end = 0;     // where the next verse begins
    int number = 0;        // the verse number the paragraph starts with
};

std::vector<VerseSpan> verseSpans(QStringView shownText);

// The verses a selection [start, end) touches, as indices of the spans: the one holding the
// caret when nothing is selected. Empty when the selection lies in no verse.
struct VerseRange {
    qsizetype first = 0;
    qsizetype last = -1; // inclusive
};
VerseRange versesTouched(const std::vector<VerseSpan>& spans, qsizetype start, qsizetype end);

// The scripture lines of those verses of the chapter, by the numbers they show, each exactly
// as the file holds it ("John 3:16  For God so loved..."), CR LF between them, in the order
// shown and each once. A number the chapter lacks adds nothing.
QString referencedLines(const VerseText& text, const QString& chapterPrefix,
                        const std::vector<VerseSpan>& spans, VerseRange range);

} // namespace scripture
