#pragma once

#include "study/markstore.h"

#include <QObject>
#include <QPointer>

class BookmarksDialog;
class QAction;
class MessageBoxes;
class QMenu;
class ReadingArea;
class ScriptureText;
struct Menus;

// The reader's many bookmarks: Bookmark > Add Bookmark keeps the verse in sight under a name,
// the Bookmark menu lists the last ones added below its own items, and Bookmark > Bookmarks
// opens the window that lists them all. Opening one shows its verse as a place read. The file
// is read as the menu opens, so bookmarks added in another window are there too.
class BookmarkList : public QObject {
    Q_OBJECT
public:
    BookmarkList(QWidget& window, const Menus& menus, ReadingArea& reading,
                 ScriptureText& scripture, study::MarkStore& store, MessageBoxes& messages);
    ~BookmarkList() override;

    void add();
    void manage();
    void open(const scripture::Reference& verse);

private:
    void listInMenu();
    bool inText(const scripture::Reference& verse);
    // Reports a file that could not be read or written; true when it was.
    bool reported(const FileSystem::Result& result);

    QWidget& m_window;
    QMenu* m_menu;
    QList<QAction*> m_listed; // the bookmarks the menu shows now
    ReadingArea& m_reading;
    ScriptureText& m_scripture;
    study::MarkStore& m_store;
    MessageBoxes& m_messages;
    QPointer<BookmarksDialog> m_dialog;
};
