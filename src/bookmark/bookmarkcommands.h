#pragma once

#include <QObject>

class FrmBible;
class ScriptureText;
struct Platform;

// Bookmark > Set Bookmark and Go to Bookmark: the reading position (book, chapter, caret
// offset in the chapter text) kept in BkMrk.dat.
class BookmarkCommands : public QObject {
    Q_OBJECT
public:
    BookmarkCommands(FrmBible& window, Platform& platform, ScriptureText& scripture);

    void mnuSetBookmark_Click();
    void mnuGoToBookmark_Click();

private:
    void showChapterList(const QString& book, const QString& chapter);
    void showChapter(const QString& prefix, int caretOffset);

    FrmBible& m_window;
    Platform& m_platform;
    ScriptureText& m_scripture;
};
