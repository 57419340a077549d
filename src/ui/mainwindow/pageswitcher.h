#pragma once

#include <QObject>

class MainWindow;

// Favorites > Favorite Verses and Search > Search Text (Ctrl+F): the right-hand column shows one
// of its two pages. The pages differ only in which controls are visible; texts, lists and
// selections of the hidden page stay as they were. The search page is built when first shown.
class PageSwitcher : public QObject {
    Q_OBJECT
public:
    enum class Page { Search, Favorites };

    explicit PageSwitcher(MainWindow& window);

    // The page's controls shown and the other page's hidden; the reading area is not touched.
    void show(Page page);
    // Search > Search Text: the search page, with the focus in the search box and its text
    // selected.
    void showSearchForTyping();
    Page shown() const { return m_shown; }

private:
    MainWindow& m_window;
    Page m_shown = Page::Favorites;
};
