#pragma once

#include "scripture/chapterwalk.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class Clipboard;
class FrmBible;
class MousePointer;
class ReadingMarks;
class ScriptureText;

// The reading area: a book picked in ComboBooks fills the chapter list, a chapter picked in
// ComboChapter is shown in TextVerses, and a result line clicked in ListVerse is opened in its
// chapter with the caret before its verse, the verse at the top and marked, and the searched
// words marked. A click on a result takes the focus to the chapter; a key that moves through
// the results leaves it in the list, so the next key walks on, and Enter takes it to the
// chapter. The keys turn to the next or previous chapter as a pick would, and the verses of a
// selection can be copied with their reference.
class ReadingArea : public QObject {
    Q_OBJECT
public:
    ReadingArea(FrmBible& window, MousePointer& pointer, ScriptureText& scripture,
                Clipboard& clipboard);

    void ComboBooks_Click();
    void ComboChapter_Click();
    void ListVerse_Click();
    void showNextChapter();
    void showPreviousChapter();
    void copyWithReference();

    // Shows the chapter of the prefix ("Psalms 23:") in TextVerses and gives it the focus,
    // unless told not to; returns the text shown, or nothing (and shows nothing) when Bible.dat
    // cannot be read. The caller places the caret.
    enum class Focus { Take, Leave };
    std::optional<QString> showChapter(const QString& prefix, Focus focus = Focus::Take);
    // Names the book and chapter in the two boxes, with the book's chapter list (empty for a
    // text that names no book).
    void showBookAndChapter(const QString& book, const QString& chapter);
    // Puts the verse holding the offset at the top of the reading area and marks it.
    void markVerseAt(qsizetype offset);
    // The reading area shows something else than a chapter (the instructions).
    void forgetChapter() { m_shown.reset(); }
    // What the results of the last search mark in their chapters.
    void setSearchedTerms(const QStringList& terms) { m_searchedTerms = terms; }

private:
    void fillChapterList(const QString& book);
    void showAsPicked(const scripture::ChapterPlace& place);
    // The chapter to turn from: the one shown, else the one the boxes name, else none.
    std::optional<scripture::ChapterPlace> turningPoint() const;

    FrmBible& m_window;
    MousePointer& m_pointer;
    ScriptureText& m_scripture;
    Clipboard& m_clipboard;
    ReadingMarks* m_marks;
    std::optional<QString> m_shown; // the prefix of the chapter TextVerses shows
    QStringList m_searchedTerms;
};
