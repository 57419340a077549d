#pragma once

class QAction;

// The menu items whose commands the reading area carries out, as the window's menus hold them.
struct ReadingCommands {
    QAction* nextChapter = nullptr;
    QAction* previousChapter = nullptr;
    QAction* copyWithReference = nullptr; // also in the reading text's context menu
    QAction* compareTexts = nullptr;      // carried out elsewhere, offered in that menu too
    QAction* highlight = nullptr;         // the Highlight submenu, offered there too
    QAction* noteOnVerse = nullptr;       // likewise
    QAction* goToReference = nullptr;
    QAction* back = nullptr;
    QAction* forward = nullptr;
};
