#pragma once

class QAction;
class QMenuBar;

// The main window's menu items, by the names the handlers use. Choosing one (or pressing its
// shortcut) runs its handler and leaves the keyboard focus where it was.
struct Menus {
    QAction* mnuPrintFavoriteSubject = nullptr;
    QAction* mnuPrintForm = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuSelectAll = nullptr;
    QAction* mnuTimeDate = nullptr;
    QAction* mnuSetBookmark = nullptr;
    QAction* mnuGoToBookmark = nullptr;
    QAction* mnuFavoriteVerses = nullptr;
    QAction* mnuSearch2 = nullptr;
    QAction* mnuSetFont = nullptr;
    QAction* mnuContents = nullptr;
};

Menus buildMenus(QMenuBar* bar);
