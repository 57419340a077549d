#pragma once

#include "favoritespage/favoritesview.h"
#include "mainwindow/menus.h"
#include "reading/readingview.h"
#include "searchpage/searchview.h"

#include <QMainWindow>

namespace prefs {
struct FontChoice;
}

class ClientLayout;
class QAction;
class FocusTracker;

// The main window: its controls, placed as designed and named by the design as their object
// names, and its menus. It holds no behaviour: each page's handlers are given the controls of
// their page. The search page, hidden at start unless it was showing when the window last
// closed, is built the first time it is shown; until then its view holds only the status line.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    const ReadingView& readingView() const { return m_reading; }
    const SearchView& searchView() const { return m_search; }
    const FavoritesView& favoritesView() const { return m_favorites; }
    const Menus& menus() const { return m_menus; }

    // The search page's controls, in their places, in the tab order and in the display font;
    // searchPageBuilt tells of them once. Does nothing once they are there.
    void buildSearchPage();
    // The caption names the text read, by its description.
    void nameText(const QString& description);
    bool hasSearchPage() const { return m_search.queryBox != nullptr; }

    // The control that has the keyboard focus, as the handlers see it (a menu does not take it).
    QWidget* activeControl() const;

    // The controls that show scripture text in the user's display font, in order: five once the
    // search page is built, three before.
    QList<QWidget*> displayControls() const;
    // The design font with what the user chose of it, in every display control.
    void showDisplayFont(const prefs::FontChoice& choice);

signals:
    // The search page's controls are there, as listed.
    void searchPageBuilt(const QList<QWidget*>& controls);

    // Before the window closes, by its close box or by Exit; a handler that ignores the event
    // keeps the window open.
    void closing(QCloseEvent* closing);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createReadingArea(QWidget* area);
    void createSearchPage(QWidget* area);
    void createFavoritesPage(QWidget* area);
    void createStatusLine();
    void setTabOrder();
    void putSearchPageInTabOrder();
    void offerEditCommandsOnRightClick(const QList<QWidget*>& controls);

    ReadingView m_reading;
    SearchView m_search;
    FavoritesView m_favorites;
    Menus m_menus;
    FocusTracker* m_focus;
    ClientLayout* m_layout;
    QAction* m_editSeparator; // in every text control's right-click menu
};
