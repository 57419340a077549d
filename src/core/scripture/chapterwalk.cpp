#include "scripture/chapterwalk.h"

#include "scripture/bookcatalogue.h"
#include "scripture/chapterprefix.h"

#include <algorithm>

namespace scripture {
namespace {

// The book's place in the catalogue, or -1.
qsizetype bookIndex(const QString& name) {
    const std::span<const Book> all = catalogue();
    const auto found = std::find_if(
        all.begin(), all.end(), [&](const Book& book) { return name == QLatin1String(book.name); });
    return found == all.end() ? -1 : found - all.begin();
}

ChapterPlace placeIn(qsizetype index, int chapter) {
    return {QString::fromLatin1(catalogue()[std::size_t(index)].name), chapter};
}

} // namespace

std::optional<ChapterPlace> namedChapter(const QString& book, const QString& chapter) {
    const std::optional<int> count = chapterCount(book);
    if (!count || !chapterList(*count).contains(chapter))
        return std::nullopt;
    return ChapterPlace{book, chapter.toInt()};
}

std::optional<ChapterPlace> nextChapter(const ChapterPlace& place) {
    const qsizetype index = bookIndex(place.book);
    if (index < 0)
        return std::nullopt;
    if (place.chapter < catalogue()[std::size_t(index)].chapters)
        return ChapterPlace{place.book, place.chapter + 1};
    if (index + 1 < qsizetype(catalogue().size()))
        return placeIn(index + 1, 1);
    return std::nullopt;
}

std::optional<ChapterPlace> previousChapter(const ChapterPlace& place) {
    const qsizetype index = bookIndex(place.book);
    if (index < 0)
        return std::nullopt;
    if (place.chapter > 1)
        return ChapterPlace{place.book, place.chapter - 1};
    if (index > 0)
        return placeIn(index - 1, catalogue()[std::size_t(index - 1)].chapters);
    return std::nullopt;
}

ChapterPlace firstChapter() {
    return placeIn(0, 1);
}

std::optional<ChapterPlace> placeOfPrefix(const QString& prefix) {
    const std::optional<PrefixParts> parts = splitChapterPrefix(prefix);
    return parts ? namedChapter(parts->book, parts->chapter) : std::nullopt;
}

} // namespace scripture
