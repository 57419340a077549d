#include "reading/textswitchplace.h"

#include "reading/startplace.h"
#include "scripture/chaptertext.h"
#include "scripture/versespans.h"

#include <algorithm>

namespace reading {
namespace {

// The number of the verse whose span holds the offset; 0 before the first verse.
int verseAt(QStringView shownText, qsizetype offset) {
    const std::vector<scripture::VerseSpan> spans = scripture::verseSpans(shownText);
    const auto after = std::upper_bound(
        spans.begin(), spans.end(), offset,
        [](qsizetype at, const scripture::VerseSpan& span) { return at < span.start; });
    return after == spans.begin() ? 0 : std::prev(after)->number;
}

} // namespace

std::optional<ReadingPlace> sameVerseIn(const ReadingPlace& shown, QStringView shownText,
                                        const VerseText& other) {
    const scripture::ChapterText chapter = scripture::chapterText(other, shown.chapter);
    if (chapter.text.isEmpty())
        return std::nullopt;
    const int verse = verseAt(shownText, shown.top);
    qsizetype top = 0;
    for (const scripture::ChapterText::Shown& line : chapter.lines) {
        if (line.verse > 0 && line.verse <= verse)
            top = line.offset;
        if (line.verse == verse)
            break;
    }
    return ReadingPlace{shown.chapter, top};
}

std::optional<ReadingPlace> awaitedPlace(const PlaceAwaitingText& awaiting, const QString& textRead,
                                         const VerseText& text) {
    if (textRead != awaiting.text)
        return std::nullopt;
    return placeInText(awaiting.saved, text);
}

} // namespace reading
