#pragma once

#include <QObject>

class FrmBible;
class ReadingArea;
struct Services;
struct Storage;

// Bookmark > Set Bookmark and Go to Bookmark: the reading position (book, chapter, caret
// offset in the chapter text) kept in BkMrk.dat.
class BookmarkCommands : public QObject {
    Q_OBJECT
public:
    BookmarkCommands(FrmBible& window, Storage& storage, Services& services, ReadingArea& reading);

    void mnuSetBookmark_Click();
    void mnuGoToBookmark_Click();

private:
    FrmBible& m_window;
    Storage& m_storage;
    Services& m_services;
    ReadingArea& m_reading;
};
