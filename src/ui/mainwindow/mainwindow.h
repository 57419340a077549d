#pragma once

#include "favoritespage/favoritesview.h"
#include "mainwindow/menus.h"
#include "reading/readingview.h"
#include "searchpage/searchview.h"

#include <QMainWindow>

class FocusTracker;

// The main window: its controls, placed as designed and named by the design as their object
// names, and its menus. It holds no behaviour: each page's handlers are given the controls of
// their page.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    const ReadingView& readingView() const { return m_reading; }
    const SearchView& searchView() const { return m_search; }
    const FavoritesView& favoritesView() const { return m_favorites; }
    const Menus& menus() const { return m_menus; }

    // The control that has the keyboard focus, as the handlers see it (a menu does not take it).
    QWidget* activeControl() const;

    // The five controls that show scripture text in the user's display font, in order.
    QList<QWidget*> displayControls() const;

signals:
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
    void offerEditCommandsOnRightClick();

    ReadingView m_reading;
    SearchView m_search;
    FavoritesView m_favorites;
    Menus m_menus;
    FocusTracker* m_focus;
};
