#pragma once

#include <QObject>
#include <QString>

#include <optional>

class FrmBible;
class MousePointer;
class ScriptureText;

// The reading area: a book picked in ComboBooks fills the chapter list, a chapter picked in
// ComboChapter is shown in TextVerses, and a result line clicked in ListVerse is opened in its
// chapter with the caret before its verse.
class ReadingArea : public QObject {
    Q_OBJECT
public:
    ReadingArea(FrmBible& window, MousePointer& pointer, ScriptureText& scripture);

    void ComboBooks_Click();
    void ComboChapter_Click();
    void ListVerse_Click();

    // Shows the chapter of the prefix ("Psalms 23:") in TextVerses and gives it the focus;
    // returns the text shown, or nothing (and shows nothing) when Bible.dat cannot be read.
    // The caller places the caret.
    std::optional<QString> showChapter(const QString& prefix);
    // Names the book and chapter in the two boxes, with the book's chapter list (empty for a
    // text that names no book).
    void showBookAndChapter(const QString& book, const QString& chapter);

private:
    void fillChapterList(const QString& book);

    FrmBible& m_window;
    MousePointer& m_pointer;
    ScriptureText& m_scripture;
};
