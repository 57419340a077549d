#pragma once

#include "reading/readingcommands.h"
#include "reading/readinghistory.h"
#include "reading/readingview.h"
#include "scripture/chaptertext.h"
#include "scripture/chapterwalk.h"
#include "scripture/reference.h"
#include "scripture/resultline.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class Clipboard;
class QAction;
class MousePointer;
class QWidget;
class ReadingMarks;
class TextBox;
class ScriptureText;

// The reading area: a book picked in the book box fills the chapter list, a chapter picked in
// the chapter box is shown, and a result line of the search is opened in its chapter with the
// caret before its verse, the verse at the top and marked, and the searched words marked. A
// result opened by a click takes the focus to the chapter; one opened by a key that moves
// through the results leaves it in the list, so the next key walks on. Go > Next Chapter and
// Previous Chapter turn chapters as a pick would, and Edit > Copy with Reference (also in the
// reading text's context menu) copies the verses of a selection with their reference. Every
// chapter read is a place of the history, which Go > Back and Forward walk, the reading area
// keeping the top line each place was left at.
class ReadingArea : public QObject {
    Q_OBJECT
signals:
    // A chapter of the catalogue was shown, its text set anew.
    void chapterShown(const scripture::ChapterPlace& place);

public:
    ReadingArea(const ReadingView& view, const ReadingCommands& commands, MousePointer& pointer,
                ScriptureText& scripture, Clipboard& clipboard);

    // The book list, the boxes' placeholders and the welcome text, as the program starts.
    void prepare();

    void onBookPicked();
    void onChapterPicked();
    // The book box reached: its text selected, to type over.
    void onBookBoxEntered();
    // Enter in the book box: the book or the reference typed there is shown.
    void goToTyped();
    // Go > Go to Reference: the book box, to type a book or a reference into.
    void focusBookBox();
    // A result line picked in the search page's list; one picked by a key leaves the focus
    // there.
    void openResult(const scripture::FoundLine& found, bool byKeyboard);
    void focusReadingText();
    // Go > Next Chapter and Previous Chapter.
    void turnChapter(scripture::Turn turn);
    void copyWithReference();
    // The verse the caret is in, in the chapter shown; nothing for the welcome or help text.
    std::optional<scripture::Reference> verseAtCaret() const;
    // The verse a mark is for: the caret's while the caret is in sight, else the top line's.
    std::optional<scripture::Reference> verseInSight() const;
    // The verses the selection touches, or the caret's; none for the welcome or help text.
    std::vector<scripture::Reference> versesSelected() const;
    // Shows the verse's chapter with the verse at the top and marked, as a place read.
    void openVerse(const scripture::VersePlace& place);
    // The reading text's marks: the highlighted verses are drawn by them.
    ReadingMarks& marks() { return *m_marks; }
    TextBox& readingText() { return *m_view.readingText; }
    void goBack();
    void goForward();

    // The chapter shown, as a place with its top line; nothing for the welcome or help text.
    std::optional<reading::ReadingPlace> shownPlace() const;
    // Shows a place as it was left, the caret at its top line, and makes it a place read.
    void showPlace(const reading::ReadingPlace& place);
    // The chapter just shown, with the top line given, is a place read.
    void arrived(qsizetype top);

    // Shows the chapter and gives it the focus, unless told not to; returns the chapter shown
    // (empty when the text lacks it), or nothing (and shows nothing) when Bible.dat cannot be
    // read. The caller places the caret.
    enum class Focus { Take, Leave };
    std::optional<scripture::ChapterText> showChapter(const scripture::ChapterPlace& place,
                                                      Focus focus = Focus::Take);
    // Names the book and chapter in the two boxes, with the book's chapter list (empty for a
    // text that names no book).
    void showBookAndChapter(const QString& book, const QString& chapter);
    // Puts the verse holding the offset at the top of the reading area and marks it; returns
    // the offset the verse starts at.
    qsizetype markVerseAt(qsizetype offset);
    // The reading area shows something else than a chapter (the instructions).
    void forgetChapter();
    // What the results of the last search mark in their chapters.
    void setSearchedTerms(const QStringList& terms) { m_searchedTerms = terms; }

private:
    void connectCommands(const ReadingCommands& commands);
    void goTo(const reading::ReadingPlace& place);
    void showHistoryCommands();
    void fillChapterList(const QString& book);
    void showAsPicked(const scripture::ChapterPlace& place);
    void showFirstChapterOfBook();
    // The chapter to turn from: the one shown, else the one the boxes name, else none.
    std::optional<scripture::ChapterPlace> turningPoint() const;

    ReadingView m_view;
    MousePointer& m_pointer;
    ScriptureText& m_scripture;
    Clipboard& m_clipboard;
    ReadingMarks* m_marks;
    std::optional<scripture::ChapterPlace> m_shown; // the chapter the reading text shows
    QStringList m_searchedTerms;
    ReadingHistory m_history;
    QAction* m_back;
    QAction* m_forward;
};
