#include "reading/readingarea.h"

#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/frmbible.h"
#include "reading/readingmarks.h"
#include "scripture/bookcatalogue.h"
#include "scripture/resultline.h"
#include "scripture/scripturetext.h"
#include "scripture/versespans.h"
#include "search/termmarks.h"
#include "services/clipboard.h"
#include "services/mousepointer.h"

#include <QAction>

ReadingArea::ReadingArea(FrmBible& window, MousePointer& pointer, ScriptureText& scripture,
                         Clipboard& clipboard)
    : m_window(window)
    , m_pointer(pointer)
    , m_scripture(scripture)
    , m_clipboard(clipboard)
    , m_marks(new ReadingMarks(*window.TextVerses)) {
    connect(window.ComboBooks, &ComboBox::picked, this, &ReadingArea::ComboBooks_Click);
    connect(window.ComboChapter, &ComboBox::picked, this, &ReadingArea::ComboChapter_Click);
    connect(window.ListVerse, &ListBox::picked, this, &ReadingArea::ListVerse_Click);
    connect(window.ListVerse, &ListBox::entered, this,
            [this] { m_window.TextVerses->setFocus(Qt::OtherFocusReason); });
    connect(window.nextChapter, &QAction::triggered, this, &ReadingArea::showNextChapter);
    connect(window.previousChapter, &QAction::triggered, this, &ReadingArea::showPreviousChapter);
    connect(window.copyWithReference, &QAction::triggered, this, &ReadingArea::copyWithReference);
}

void ReadingArea::ComboBooks_Click() {
    m_window.ComboChapter->clear();
    m_window.ComboChapter->setText(QStringLiteral("1"));
    fillChapterList(m_window.ComboBooks->text());
}

// A text that names no book (the separator between the testaments) leaves the list empty.
void ReadingArea::fillChapterList(const QString& book) {
    const int chapterCount = scripture::chapterCount(book).value_or(0);
    m_window.ComboChapter->addItems(scripture::chapterList(chapterCount));
}

void ReadingArea::ComboChapter_Click() {
    BusyScope busy(m_pointer);
    const QString prefix = m_window.ComboBooks->text() + QLatin1Char(' ') +
                           m_window.ComboChapter->text() + QLatin1Char(':');
    if (showChapter(prefix))
        m_window.TextVerses->setSelStart(0);
}

// Every chapter shown starts unmarked; an opened result marks it afterwards.
std::optional<QString> ReadingArea::showChapter(const QString& prefix, Focus focus) {
    std::optional<QString> chapterText = m_scripture.chapterText(prefix);
    if (!chapterText)
        return std::nullopt; // no readable Bible.dat: the reading area keeps what it shows
    m_marks->clear();
    m_window.TextVerses->setText(*chapterText);
    if (focus == Focus::Take)
        m_window.TextVerses->setFocus(Qt::OtherFocusReason);
    m_shown = chapterText->isEmpty() ? std::nullopt : std::optional(prefix);
    return chapterText;
}

void ReadingArea::showBookAndChapter(const QString& book, const QString& chapter) {
    m_window.ComboBooks->setText(book);
    m_window.ComboChapter->clear(); // empties the text as well
    m_window.ComboChapter->setText(chapter);
    fillChapterList(book);
}

void ReadingArea::ListVerse_Click() {
    BusyScope busy(m_pointer);
    const QString line = m_window.ListVerse->text();
    const std::optional<scripture::ResultReference> reference = scripture::referenceOf(line);
    if (!reference)
        return; // the hint, or any line that is no verse line
    const std::optional<QString> chapterText = showChapter(
        reference->prefix, m_window.ListVerse->pickedByKeyboard() ? Focus::Leave : Focus::Take);
    if (!chapterText)
        return;
    const qsizetype offset = scripture::verseOffset(*chapterText, line, reference->prefix);
    m_window.TextVerses->setSelStart(int(offset));
    showBookAndChapter(reference->book, reference->chapter);
    m_marks->markTerms(search::termRanges(*chapterText, m_searchedTerms));
    markVerseAt(offset);
}

void ReadingArea::markVerseAt(qsizetype offset) {
    const QString text = m_window.TextVerses->text();
    const std::vector<scripture::VerseSpan> spans = scripture::verseSpans(text);
    const scripture::VerseRange verse = scripture::versesTouched(spans, offset, offset);
    if (verse.last < verse.first)
        return;
    const scripture::VerseSpan& span = spans[std::size_t(verse.first)];
    m_marks->scrollToTop(span.start);
    m_marks->markVerse(span.start, span.lineEnd - span.start);
}

std::optional<scripture::ChapterPlace> ReadingArea::turningPoint() const {
    return m_shown ? scripture::placeOfPrefix(*m_shown) : std::nullopt;
}

// Through the same steps as picking the book and then the chapter.
void ReadingArea::showAsPicked(const scripture::ChapterPlace& place) {
    m_window.ComboBooks->setText(place.book);
    ComboBooks_Click();
    m_window.ComboChapter->setText(QString::number(place.chapter));
    ComboChapter_Click();
}

// With no chapter shown, the keys show the chapter the boxes name, or the first of the text.
void ReadingArea::showNextChapter() {
    if (const std::optional<scripture::ChapterPlace> from = turningPoint()) {
        if (const std::optional<scripture::ChapterPlace> next = scripture::nextChapter(*from))
            showAsPicked(*next);
        return;
    }
    showAsPicked(scripture::namedChapter(m_window.ComboBooks->text(), m_window.ComboChapter->text())
                     .value_or(scripture::firstChapter()));
}

void ReadingArea::showPreviousChapter() {
    if (const std::optional<scripture::ChapterPlace> from = turningPoint()) {
        if (const std::optional<scripture::ChapterPlace> previous =
                scripture::previousChapter(*from))
            showAsPicked(*previous);
        return;
    }
    showNextChapter();
}

void ReadingArea::copyWithReference() {
    if (!m_shown || !m_scripture.refresh())
        return;
    TextBox& verses = *m_window.TextVerses;
    const qsizetype start = verses.selStart();
    const std::vector<scripture::VerseSpan> spans = scripture::verseSpans(verses.text());
    const scripture::VerseRange touched =
        scripture::versesTouched(spans, start, start + verses.selLength());
    const QString lines = scripture::referencedLines(m_scripture.text(), *m_shown, spans, touched);
    if (!lines.isEmpty())
        m_clipboard.setText(lines);
}
