#include "reading/caretverse.h"

#include "scripture/bookcatalogue.h"
#include "scripture/versespans.h"

namespace reading {

std::optional<scripture::Reference> verseAtCaret(const scripture::ChapterPlace& chapter,
                                                 QStringView shownText, qsizetype caret) {
    const std::vector<scripture::VerseSpan> spans = scripture::verseSpans(shownText);
    const scripture::VerseRange touched = scripture::versesTouched(spans, caret, caret);
    const std::optional<int> book = scripture::catalogueIndex(chapter.book);
    if (touched.last < touched.first || !book)
        return std::nullopt;
    const int verse = spans[std::size_t(touched.first)].number;
    return scripture::Reference{*book, chapter.chapter, verse, chapter.chapter, verse};
}

} // namespace reading
