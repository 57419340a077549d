#include "shell/helptext.h"

#include "text/linebreak.h"

#include <QDir>

#include <iterator>

namespace {

struct Piece {
    const char* text;
    int lineBreaks;
};

// The pieces in the order they are shown; a paragraph is one line, which the text box wraps.
// The places in braces are the folders and files of this run.
constexpr Piece kPieces[] = {
    {"VELLUMARK", 2},
    {"Conformable to the edition of 1611", 1},
    {"Commonly known as The Authorized or", 2},
    {"Orrisant Version", 2},
    {"Instructions", 2},
    {"To read the Bible, under the 'Vellumark' label, select a book in the 'Books' drop down "
     "menu, then select a chapter in the 'Chapter' drop down menu.",
     2},
    {"To save a bookmark location of the cursor click Bookmark > Set Bookmark. To go to the "
     "bookmark location click Bookmark > Go to Bookmark. The bookmark is saved in {bookmark}.",
     2},
    {"To view the 'Favorite Verses' page click Favorites > Favorite Verses. To find a favorite "
     "verse, select book in the 'Books' list box, then enter verse number such as 1:1 or 1:1-6 "
     "in the 'Chapter' text field. Press tab or exit field to display verses.",
     2},
    {"Favorite verses are organized by subject title and stored in .txt files in a 'Verses' "
     "folder. Essentially a book is being created, edited, and organized in the {verses} folder.",
     2},
    {"The chapters are stored as .txt (Notepad) file format with the subject titles as the file "
     "name. The subject 'Love' and verses would be stored in a .txt file named 'Love.txt'.",
     2},
    {"To print the 'Subject' page click File > Print > Favorite Subject & Verses. The printed "
     "page will also have the same font characteristics with a line length of 40 characters.",
     2},
    {"To modify the display fonts click Option > Set Font. The 'Display Fonts' form is appear. "
     "Select font name, font style and font size. Form control fonts are not modified. Font "
     "settings are saved in {preferences}.",
     2},
    {"To print entire form as viewed, click File > Print > Print Form.", 2},
    {"To add a new subject title, enter a new title in the 'Subject' drop down menu. Click tab or "
     "exit field to save new title.",
     2},
    {"To delete a subject title, select title, clear the 'Subject' drop down menu and exit the "
     "field.",
     2},
    {"To save a favorite verse under a subject click Add Verse. The text will appear in the 'List "
     "Favorites' text field. The text can be edited and is automatically saved in the "
     "corresponding .txt file.",
     2},
    {"The 'Verses' folder can be archived and stored as a backup. Place the archived folder in "
     "the {data} folder to restore saved verses. {verses} is the location of the 'Verses' "
     "folder.",
     2},
    {"To view the 'Search the Bible' page click Search > Search Text. Select book in the 'Select "
     "Book' drop down menu. Enter verse number, text phrase or search words in the 'Search "
     "Words' text field. The search engine will first look for a match for the verse numbers or "
     "phrase. If there is a match, those verses will be displayed in the 'Search Results' list "
     "box. If there is no match, the search engine will look for verses containing all words in "
     "any order.",
     2},
    {"Click the verse and book, chapter, and location will be displayed.", 2},
    {"Copyright (c) 2026 Lanternfield Software", 1},
    {"All rights reserved.", 1},
};

// The keys, after the instructions: each command's key as its menu shows it.
constexpr Piece kKeys[] = {
    {"Keys", 2},
    {"Alt+Left: Back to the place read before (or the mouse's back button)", 1},
    {"Alt+Right: Forward again (or the mouse's forward button)", 1},
    {"Ctrl+PgDown: Next Chapter", 1},
    {"Ctrl+PgUp: Previous Chapter", 1},
    {"Ctrl+L: Go to Reference: type a book or a verse (John 3:16) in the book box, then Enter", 1},
    {"Ctrl+1 to Ctrl+9: read the Texts menu's first nine texts (Ctrl+1: the Orrisant Version)", 1},
    {"Esc: Stop Rendering a text being made ready for its first reading", 1},
    {"Ctrl+Shift+C: Copy the selected verses with their reference", 1},
    {"Ctrl+K: Compare Translations: the verse at the caret in every text", 1},
    {"Ctrl+Shift+1 to Ctrl+Shift+5: Highlight the verses selected in yellow, green, blue, pink or "
     "purple",
     1},
    {"Ctrl+Shift+0: Clear Highlight of the verses selected", 1},
    {"Ctrl+Shift+N: Note on Verse: write a note on the verse at the caret; in it, Ctrl+Enter on "
     "a reference (Rom 8:28) opens the verse",
     1},
    {"Ctrl+D: Add Bookmark: keep the verse in sight under a name", 1},
    {"Ctrl+Shift+B: Bookmarks: open, rename, delete and move them", 1},
    {"Ctrl+F: Search Text, with the search words selected", 1},
    {"Enter in the search words: search", 1},
    {"Ctrl++: Bigger Text (or Ctrl with the mouse wheel over the chapter)", 1},
    {"Ctrl+-: Smaller Text", 1},
    {"Ctrl+0: Normal Size, the size before the last steps", 1},
    {"F1: these instructions", 1},
    {"F5: insert the date and time", 1},
};

QString joined(const auto& pieces) {
    QString text;
    for (const Piece& piece : pieces)
        text += QString::fromUtf8(piece.text) + text::kCrLf.repeated(piece.lineBreaks);
    return text;
}

} // namespace

QString shell::helpText(const ProgramFolder& folder) {
    static_assert(std::size(kPieces) == 21);
    QString text = joined(kPieces) + text::kCrLf + joined(kKeys);
    const auto shown = [](const QString& path) { return QDir::toNativeSeparators(path); };
    const QString separator = QDir::separator();
    return text.replace(QStringLiteral("{bookmark}"), shown(folder.bookmarkPath()))
        .replace(QStringLiteral("{preferences}"), shown(folder.preferencesPath()))
        .replace(QStringLiteral("{verses}"), shown(folder.versesFolder()) + separator)
        .replace(QStringLiteral("{data}"), shown(folder.dataFolder()) + separator);
}
