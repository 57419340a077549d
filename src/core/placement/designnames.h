#pragma once

#include <QLatin1String>

namespace placement {

// The main window's controls that the client layout places. Each is known by its design name,
// which the window gives it as its object name and the layout finds it by: written once, in
// designName(), so that a name misspelt elsewhere does not compile.
enum class Control {
    // The reading area.
    Label1,
    ComboBooks,
    ComboChapter,
    TextVerses,
    // The search page.
    Label2,
    TextSearch,
    ComboSearch,
    ListVerse,
    // The favorites page.
    Label4,
    ComboBookFavorites,
    TextVersesFavorites,
    TextFavorites,
    Label3,
    ComboCategory,
    CommandAddFavorite,
    TextFavoritesList,
};

// "ComboBooks" for Control::ComboBooks.
QLatin1String designName(Control control);

} // namespace placement
