#include "reading/caretverse.h"

#include "scripture/bookcatalogue.h"
#include "scripture/versespans.h"

namespace reading {

std::optional<scripture::Reference> verseAtCaret(const scripture::ChapterPlace& chapter,
                                                 QStringView shownText, qsizetype caret) {
    const std::vector<scripture::Reference> verses =
        versesSelected(chapter, shownText, caret, caret);
    return verses.empty() ? std::nullopt : std::optional(verses.front());
}

std::vector<scripture::Reference> versesSelected(const scripture::ChapterPlace& chapter,
                                                 QStringView shownText, qsizetype start,
                                                 qsizetype end) {
    const std::vector<scripture::VerseSpan> spans = scripture::verseSpans(shownText);
    const scripture::VerseRange touched = scripture::versesTouched(spans, start, end);
    const std::optional<int> book = scripture::catalogueIndex(chapter.book);
    std::vector<scripture::Reference> verses;
    for (qsizetype span = touched.first; book && span <= touched.last; ++span) {
        const int verse = spans[std::size_t(span)].number;
        verses.push_back({*book, chapter.chapter, verse, chapter.chapter, verse});
    }
    return verses;
}

} // namespace reading
