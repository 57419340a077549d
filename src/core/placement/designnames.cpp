#include "placement/designnames.h"

namespace placement {

QLatin1String designName(Control control) {
    switch (control) {
    case Control::Label1:
        return QLatin1String("Label1");
    case Control::ComboBooks:
        return QLatin1String("ComboBooks");
    case Control::ComboChapter:
        return QLatin1String("ComboChapter");
    case Control::TextVerses:
        return QLatin1String("TextVerses");
    case Control::Label2:
        return QLatin1String("Label2");
    case Control::TextSearch:
        return QLatin1String("TextSearch");
    case Control::ComboSearch:
        return QLatin1String("ComboSearch");
    case Control::ListVerse:
        return QLatin1String("ListVerse");
    case Control::Label4:
        return QLatin1String("Label4");
    case Control::ComboBookFavorites:
        return QLatin1String("ComboBookFavorites");
    case Control::TextVersesFavorites:
        return QLatin1String("TextVersesFavorites");
    case Control::TextFavorites:
        return QLatin1String("TextFavorites");
    case Control::Label3:
        return QLatin1String("Label3");
    case Control::ComboCategory:
        return QLatin1String("ComboCategory");
    case Control::CommandAddFavorite:
        return QLatin1String("CommandAddFavorite");
    case Control::TextFavoritesList:
        return QLatin1String("TextFavoritesList");
    }
    return {}; // every control has its name above
}

} // namespace placement
