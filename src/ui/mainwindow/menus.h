#pragma once

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu items, each named for its command; the design's names (mnuCut, ...)
// are their object names. Choosing one (or pressing its shortcut) runs its command and leaves
// the keyboard focus where it was.
struct Menus {
    QAction* printSubject = nullptr;      // File > Print > Favorite Subject & Verses
    QAction* printWindow = nullptr;       // File > Print > Print Form
    QAction* exit = nullptr;              // File > Exit
    QAction* undo = nullptr;              // Edit > Undo
    QAction* cut = nullptr;               // Edit > Cut
    QAction* copy = nullptr;              // Edit > Copy
    QAction* copyWithReference = nullptr; // Edit > Copy with Reference
    QAction* compareTexts = nullptr;      // Edit > Compare Translations
    QAction* paste = nullptr;             // Edit > Paste
    QAction* deleteForward = nullptr;     // Edit > Delete
    QAction* selectAll = nullptr;         // Edit > Select All
    QAction* insertDateTime = nullptr;    // Edit > Time\Date
    QMenu* highlightMenu = nullptr;       // Edit > Highlight, also in the reading text's menu
    QList<QAction*> highlight;            // Edit > Highlight > each colour, in the core's order
    QAction* clearHighlight = nullptr;    // Edit > Highlight > Clear
    QAction* noteOnVerse = nullptr;       // Edit > Note on Verse
    QMenu* bookmarkMenu = nullptr;        // the bookmarks are listed below its items
    QAction* setBookmark = nullptr;       // Bookmark > Set Bookmark
    QAction* goToBookmark = nullptr;      // Bookmark > Go to Bookmark
    QAction* addBookmark = nullptr;       // Bookmark > Add Bookmark
    QAction* manageBookmarks = nullptr;   // Bookmark > Bookmarks
    QAction* back = nullptr;              // Go > Back
    QAction* forward = nullptr;           // Go > Forward
    QAction* nextChapter = nullptr;       // Go > Next Chapter
    QAction* previousChapter = nullptr;   // Go > Previous Chapter
    QAction* goToReference = nullptr;     // Go > Go to Reference
    QMenu* texts = nullptr;               // Texts: an item a text, put in by TextsMenu
    QAction* stopRendering = nullptr;     // Texts > Stop Rendering
    QAction* showFavorites = nullptr;     // Favorites > Favorite Verses
    QAction* showSearch = nullptr;        // Search > Search Text
    QAction* setFont = nullptr;           // Options > Set Font
    QAction* biggerText = nullptr;        // Options > Bigger Text
    QAction* smallerText = nullptr;       // Options > Smaller Text
    QAction* normalSize = nullptr;        // Options > Normal Size
    QAction* showHelp = nullptr;          // Help > Contents
};

Menus buildMenus(QMenuBar* bar);
