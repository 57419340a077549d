#pragma once

#include "scripture/versetext.h"

#include <QString>

#include <vector>

// The verses of a chapter as the reading area shows it: each verse's line (its number, two
// spaces, its text) and the two line breaks after it.
namespace scripture {

struct VerseSpan {
    qsizetype start = 0;   // where the verse's number begins
    qsizetype lineEnd = 0; // where its line ends, before the breaks
    qsizetype end = 0;     // where the next verse begins
};

std::vector<VerseSpan> verseSpans(QStringView chapterText);

// The verses a selection [start, end) touches, as indices of the spans: the one holding the
// caret when nothing is selected. Empty when the text holds no verse.
struct VerseRange {
    qsizetype first = 0;
    qsizetype last = -1; // inclusive
};
VerseRange versesTouched(const std::vector<VerseSpan>& spans, qsizetype start, qsizetype end);

// The scripture lines of those verses of the chapter, each exactly as the file holds it
// ("John 3:16  For God so loved..."), CR LF between them.
QString referencedLines(const VerseText& text, const QString& chapterPrefix, VerseRange range);

} // namespace scripture
