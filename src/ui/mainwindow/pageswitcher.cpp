#include "mainwindow/pageswitcher.h"

#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/mainwindow.h"

#include <QAction>
#include <QLabel>

namespace {

// Only the status line until the page is built.
QList<QWidget*> controlsOf(const SearchView& v) {
    if (!v.queryBox)
        return {v.status};
    return {v.heading, v.queryBox, v.scopeBox, v.resultList, v.status};
}

// The subject box goes before the reference box: the focus that leaves a hidden reference box
// moves on to the next control that is still visible, and never passes through the subject
// box, whose leaving may save or load a subject.
QList<QWidget*> controlsOf(const FavoritesView& v) {
    return {v.subjectCaption, v.heading,      v.lookedUpVerses, v.lookupBookBox,
            v.subjectBox,     v.referenceBox, v.addVerseButton, v.subjectText};
}

} // namespace

PageSwitcher::PageSwitcher(MainWindow& window)
    : m_window(window) {
    const Menus& menus = window.menus();
    connect(menus.showFavorites, &QAction::triggered, this, [this] { show(Page::Favorites); });
    connect(menus.showSearch, &QAction::triggered, this, &PageSwitcher::showSearchForTyping);
}

// Ready for new words: the first key typed replaces the ones there.
void PageSwitcher::showSearchForTyping() {
    show(Page::Search);
    TextBox& query = *m_window.searchView().queryBox;
    query.setFocus(Qt::ShortcutFocusReason);
    query.setSelStart(0);
    query.setSelLength(int(query.text().size()));
}

// The search page's controls are set first, then the favorites page's, in the order listed:
// hiding the focused control moves the focus on to the next control in the tab order that is
// visible at that moment, and its handlers run then.
void PageSwitcher::show(Page page) {
    m_shown = page;
    const bool searching = page == Page::Search;
    if (searching)
        m_window.buildSearchPage();
    for (QWidget* control : controlsOf(m_window.searchView()))
        control->setVisible(searching);
    for (QWidget* control : controlsOf(m_window.favoritesView()))
        control->setVisible(!searching);
}
