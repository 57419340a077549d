#include "scripture/chapterwalk.h"

#include "scripture/bookcatalogue.h"
#include "scripture/chapterprefix.h"

#include <algorithm>

namespace scripture {
namespace {

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
    const qsizetype index = catalogueIndex(place.book).value_or(-1);
    if (index < 0)
        return std::nullopt;
    if (place.chapter < catalogue()[std::size_t(index)].chapters)
        return ChapterPlace{place.book, place.chapter + 1};
    if (index + 1 < qsizetype(catalogue().size()))
        return placeIn(index + 1, 1);
    return std::nullopt;
}

std::optional<ChapterPlace> previousChapter(const ChapterPlace& place) {
    const qsizetype index = catalogueIndex(place.book).value_or(-1);
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

std::optional<ChapterPlace> turnedChapter(Turn turn, const std::optional<ChapterPlace>& shown,
                                          const std::optional<ChapterPlace>& named) {
    if (!shown)
        return named.value_or(firstChapter());
    return turn == Turn::Next ? nextChapter(*shown) : previousChapter(*shown);
}

ChapterPlace typedChapter(const QString& book, const QString& chapter) {
    const bool digits =
        !chapter.isEmpty() && std::all_of(chapter.begin(), chapter.end(), [](QChar ch) {
            return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        });
    bool ok = false;
    const int number = digits ? chapter.toInt(&ok) : 0;
    return {book, ok ? number : 0};
}

} // namespace scripture
