#pragma once

#include "reading/readingview.h"

#include <QObject>

class ReadingArea;
struct Menus;
struct Services;
struct Storage;

// Bookmark > Set Bookmark and Go to Bookmark: the reading position (book, chapter, caret
// offset in the chapter text) kept in BkMrk.dat.
class BookmarkCommands : public QObject {
    Q_OBJECT
public:
    BookmarkCommands(const ReadingView& view, const Menus& menus, Storage& storage,
                     Services& services, ReadingArea& reading);

    void setBookmark();
    void goToBookmark();

private:
    ReadingView m_view;
    Storage& m_storage;
    Services& m_services;
    ReadingArea& m_reading;
};
