#include "mainwindow/pageswitcher.h"

#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/menus.h"

#include <QAction>
#include <QLabel>

namespace {

QList<QWidget*> controlsOf(const SearchView& v) {
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

PageSwitcher::PageSwitcher(const SearchView& search, const FavoritesView& favorites,
                           const Menus& menus)
    : m_search(search)
    , m_favorites(favorites) {
    connect(menus.showFavorites, &QAction::triggered, this, [this] { show(Page::Favorites); });
    connect(menus.showSearch, &QAction::triggered, this, &PageSwitcher::showSearchForTyping);
}

// Ready for new words: the first key typed replaces the ones there.
void PageSwitcher::showSearchForTyping() {
    show(Page::Search);
    TextBox& query = *m_search.queryBox;
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
    for (QWidget* control : controlsOf(m_search))
        control->setVisible(searching);
    for (QWidget* control : controlsOf(m_favorites))
        control->setVisible(!searching);
}
