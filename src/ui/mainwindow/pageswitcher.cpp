#include "mainwindow/pageswitcher.h"

#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/frmbible.h"

#include <QAction>
#include <QLabel>

PageSwitcher::PageSwitcher(FrmBible& window)
    : m_window(window) {
    connect(window.menus.mnuFavoriteVerses, &QAction::triggered, this,
            [this] { mnuFavoriteVerses_Click(); });
    connect(window.menus.mnuSearch2, &QAction::triggered, this, [this] { mnuSearch2_Click(); });
}

// The order matters when the focused control is hidden: the focus moves on to the next
// control in the tab order that is visible at that moment, and its handlers run then.
void PageSwitcher::mnuFavoriteVerses_Click() {
    FrmBible& w = m_window;
    w.Label2->setVisible(false);
    w.TextSearch->setVisible(false);
    w.ComboSearch->setVisible(false);
    w.ListVerse->setVisible(false);
    w.Label3->setVisible(true);
    w.Label4->setVisible(true);
    w.TextFavorites->setVisible(true);
    w.ComboBookFavorites->setVisible(true);
    w.TextVersesFavorites->setVisible(true);
    w.ComboCategory->setVisible(true);
    w.CommandAddFavorite->setVisible(true);
    w.TextFavoritesList->setVisible(true);
}

void PageSwitcher::mnuSearch2_Click() {
    FrmBible& w = m_window;
    w.Label2->setVisible(true);
    w.TextSearch->setVisible(true);
    w.ComboSearch->setVisible(true);
    w.ListVerse->setVisible(true);
    w.Label3->setVisible(false);
    w.Label4->setVisible(false);
    w.TextFavorites->setVisible(false);
    w.ComboBookFavorites->setVisible(false);
    w.ComboCategory->setVisible(false);
    w.TextVersesFavorites->setVisible(false);
    w.CommandAddFavorite->setVisible(false);
    w.TextFavoritesList->setVisible(false);
}
