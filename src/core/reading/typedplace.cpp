#include "reading/typedplace.h"

#include "scripture/bookcatalogue.h"
#include "scripture/reference.h"

std::optional<scripture::VersePlace> reading::placeTyped(const QString& typed) {
    const std::optional<scripture::Reference> reference = scripture::parseReference(typed);
    if (!reference)
        return std::nullopt;
    return placeOf(*reference);
}

scripture::VersePlace reading::placeOf(const scripture::Reference& reference) {
    const QString book = QLatin1String(scripture::catalogue()[std::size_t(reference.book)].name);
    return {{book, reference.chapterToShow()}, reference.firstVerse};
}
