#include "reading/startplace.h"

#include "scripture/chaptertext.h"
#include "scripture/versetext.h"
#include "settings/settingsfile.h"

#include <algorithm>

namespace {

constexpr QLatin1String kBook("Reading/book");
constexpr QLatin1String kChapter("Reading/chapter");
constexpr QLatin1String kTop("Reading/topLine");
constexpr QLatin1String kPage("Reading/page");
constexpr QLatin1String kSubject("Favorites/subject");
constexpr QLatin1String kText("Reading/text");
constexpr QLatin1String kSearchPage("search");
constexpr QLatin1String kFavoritesPage("favorites");

} // namespace

reading::StartPlace reading::savedStartPlace(const SettingsFile& settings) {
    StartPlace start;
    start.searchPageShown = settings.value(kPage) == kSearchPage;
    start.subject = settings.value(kSubject);
    start.text = settings.value(kText);
    if (const std::optional<scripture::ChapterPlace> named =
            scripture::namedChapter(settings.value(kBook), settings.value(kChapter)))
        start.place = ReadingPlace{*named, std::max(settings.intValue(kTop, 0), 0)};
    return start;
}

std::optional<reading::ReadingPlace> reading::placeInText(const ReadingPlace& place,
                                                          const VerseText& text) {
    const qsizetype length = scripture::chapterText(text, place.chapter).text.size();
    if (length == 0)
        return std::nullopt; // the chapter is gone from Bible.dat
    return ReadingPlace{place.chapter, std::min(place.top, length)};
}

void reading::keepStartPlace(SettingsFile& settings, const StartPlace& shown) {
    settings.setValue(kPage, shown.searchPageShown ? kSearchPage : kFavoritesPage);
    for (const auto& [key, value] : {std::pair(kSubject, shown.subject), {kText, shown.text}}) {
        if (value.isEmpty())
            settings.remove(key);
        else
            settings.setValue(key, value);
    }
    if (!shown.place) {
        for (QLatin1String key : {kBook, kChapter, kTop})
            settings.remove(key);
        return;
    }
    settings.setValue(kBook, shown.place->chapter.book);
    settings.setValue(kChapter, QString::number(shown.place->chapter.chapter));
    settings.setValue(kTop, QString::number(shown.place->top));
}
