#pragma once

#include "reading/readingview.h"

#include <QObject>

class QAction;
class ReadingArea;
struct Services;
struct Storage;

// Bookmark > Set Bookmark and Go to Bookmark: the reading position (book, chapter, caret
// offset in the chapter text) kept in BkMrk.dat.
class BookmarkCommands : public QObject {
    Q_OBJECT
public:
    // The two menu items, Set Bookmark and Go to Bookmark, run them.
    BookmarkCommands(const ReadingView& view, QAction* setBookmark, QAction* goToBookmark,
                     Storage& storage, Services& services, ReadingArea& reading);

    void setBookmark();
    void goToBookmark();

private:
    ReadingView m_view;
    Storage& m_storage;
    Services& m_services;
    ReadingArea& m_reading;
};
