#pragma once

#include "reading/readingview.h"
#include "scripture/chapterwalk.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class Clipboard;
class MousePointer;
class QWidget;
class ReadingMarks;
class ScriptureText;

// The reading area: a book picked in the book box fills the chapter list, a chapter picked in
// the chapter box is shown, and a result line of the search is opened in its chapter with the
// caret before its verse, the verse at the top and marked, and the searched words marked. A
// result opened by a click takes the focus to the chapter; one opened by a key that moves
// through the results leaves it in the list, so the next key walks on. Ctrl+Page Down and
// Ctrl+Page Up, anywhere in the window, turn to the next or previous chapter as a pick would,
// and Ctrl+Shift+C (and the reading text's context menu) copies the verses of a selection with
// their reference.
class ReadingArea : public QObject {
    Q_OBJECT
public:
    // The chapter keys work anywhere in the window.
    ReadingArea(const ReadingView& view, QWidget& window, MousePointer& pointer,
                ScriptureText& scripture, Clipboard& clipboard);

    // The book list, the boxes' placeholders and the welcome text, as the program starts.
    void prepare();

    void onBookPicked();
    void onChapterPicked();
    // A result line picked in the search page's list; one picked by a key leaves the focus
    // there.
    void openResult(const QString& line, bool byKeyboard);
    void focusReadingText();
    void showNextChapter();
    void showPreviousChapter();
    void copyWithReference();

    // Shows the chapter of the prefix ("Psalms 23:") and gives it the focus, unless told not
    // to; returns the text shown, or nothing (and shows nothing) when Bible.dat cannot be read.
    // The caller places the caret.
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
    void createCommands(QWidget& window);
    void fillChapterList(const QString& book);
    void showAsPicked(const scripture::ChapterPlace& place);
    // The chapter to turn from: the one shown, else the one the boxes name, else none.
    std::optional<scripture::ChapterPlace> turningPoint() const;

    ReadingView m_view;
    MousePointer& m_pointer;
    ScriptureText& m_scripture;
    Clipboard& m_clipboard;
    ReadingMarks* m_marks;
    std::optional<QString> m_shown; // the prefix of the chapter the reading text shows
    QStringList m_searchedTerms;
};
