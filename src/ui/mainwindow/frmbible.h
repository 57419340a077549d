#pragma once

#include "mainwindow/menubar.h"

#include <QHash>
#include <QMainWindow>

class ComboBox;
class CommandButton;
class FocusTracker;
class LineTextBox;
class ListBox;
class QLabel;
class TextBox;

// The main window: its controls, placed as designed, and its menus. It holds no behaviour;
// each subsystem's handler class attaches to the controls it works on.
class FrmBible : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmBible(QWidget* parent = nullptr);

    // Reading area
    QLabel* Label1;
    ComboBox* ComboBooks;
    ComboBox* ComboChapter;
    TextBox* TextVerses;
    // Search page
    QLabel* Label2;
    TextBox* TextSearch;
    ComboBox* ComboSearch;
    ListBox* ListVerse;
    // Favorites page
    QLabel* Label4;
    ComboBox* ComboBookFavorites;
    LineTextBox* TextVersesFavorites;
    TextBox* TextFavorites;
    QLabel* Label3;
    ComboBox* ComboCategory;
    CommandButton* CommandAddFavorite;
    TextBox* TextFavoritesList;
    QLabel* LabelCategory; // never shown: the subject remembered for a delete

    Menus menus;
    // Reading commands that are in no menu: the next and previous chapter (Ctrl+Page Down,
    // Ctrl+Page Up, anywhere in the window) and copying verses with their reference
    // (Ctrl+Shift+C and the context menu of the reading area).
    QAction* nextChapter;
    QAction* previousChapter;
    QAction* copyWithReference;

    // The control that has the keyboard focus, as the handlers see it (a menu does not take it).
    QWidget* activeControl() const;

    // The five controls that show scripture text in the user's display font, in order.
    QList<QWidget*> displayControls() const;

    static constexpr int kTwipsPerPixel = 15;
    static QFont designFont(bool bold = false);

signals:
    // Before the window closes, by its close box or by Exit; a handler that ignores the event
    // keeps the window open.
    void queryUnload(QCloseEvent* closing);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createReadingArea(QWidget* area);
    void createSearchPage(QWidget* area);
    void createFavoritesPage(QWidget* area);
    void setTabOrder();
    void offerEditCommandsOnRightClick();
    void createReadingCommands();
    void fitToFont(QWidget* box);

    FocusTracker* m_focus;
    QHash<QWidget*, QRect> m_designed; // the display boxes' places at the design font
};
