#pragma once

#include <QObject>

class FrmBible;
class ReadingArea;
struct Platform;

// Bookmark > Set Bookmark and Go to Bookmark: the reading position (book, chapter, caret
// offset in the chapter text) kept in BkMrk.dat.
class BookmarkCommands : public QObject {
    Q_OBJECT
public:
    BookmarkCommands(FrmBible& window, Platform& platform, ReadingArea& reading);

    void mnuSetBookmark_Click();
    void mnuGoToBookmark_Click();

private:
    FrmBible& m_window;
    Platform& m_platform;
    ReadingArea& m_reading;
};
