#include "reading/readingarea.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "reading/readingmarks.h"
#include "scripture/bookcatalogue.h"
#include "scripture/chapterprefix.h"
#include "scripture/resultline.h"
#include "scripture/scripturetext.h"
#include "scripture/versespans.h"
#include "search/termmarks.h"
#include "services/clipboard.h"
#include "services/mousepointer.h"
#include "shell/placeholders.h"
#include "shell/welcometext.h"

#include <QAction>

ReadingArea::ReadingArea(const ReadingView& view, QWidget& window, MousePointer& pointer,
                         ScriptureText& scripture, Clipboard& clipboard)
    : m_view(view)
    , m_pointer(pointer)
    , m_scripture(scripture)
    , m_clipboard(clipboard)
    , m_marks(new ReadingMarks(*view.readingText)) {
    connect(view.bookBox, &ComboBox::picked, this, &ReadingArea::onBookPicked);
    connect(view.chapterBox, &ComboBox::picked, this, &ReadingArea::onChapterPicked);
    createCommands(window);
}

// The reading commands that are in no menu.
void ReadingArea::createCommands(QWidget& window) {
    auto* next = new QAction(QStringLiteral("Next Chapter"), &window);
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    auto* previous = new QAction(QStringLiteral("Previous Chapter"), &window);
    previous->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    window.addActions({next, previous});
    TextBox* text = m_view.readingText;
    auto* copy = new QAction(QStringLiteral("Copy with Reference"), text);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WidgetShortcut);
    auto* separator = new QAction(text);
    separator->setSeparator(true);
    text->addActions({separator, copy});
    connect(next, &QAction::triggered, this, &ReadingArea::showNextChapter);
    connect(previous, &QAction::triggered, this, &ReadingArea::showPreviousChapter);
    connect(copy, &QAction::triggered, this, &ReadingArea::copyWithReference);
}

void ReadingArea::prepare() {
    m_view.bookBox->setText(shell::kBooks);
    m_view.bookBox->addItems(scripture::bookList());
    m_view.chapterBox->setText(shell::kChapter);
    m_view.readingText->setText(shell::welcomeText());
}

void ReadingArea::onBookPicked() {
    m_view.chapterBox->clear();
    m_view.chapterBox->setText(QStringLiteral("1"));
    fillChapterList(m_view.bookBox->text());
}

// A text that names no book (the separator between the testaments) leaves the list empty.
void ReadingArea::fillChapterList(const QString& book) {
    const int chapterCount = scripture::chapterCount(book).value_or(0);
    m_view.chapterBox->addItems(scripture::chapterList(chapterCount));
}

void ReadingArea::onChapterPicked() {
    BusyScope busy(m_pointer);
    const QString prefix =
        scripture::chapterPrefix(m_view.bookBox->text(), m_view.chapterBox->text());
    if (showChapter(prefix))
        m_view.readingText->setSelStart(0);
}

// Every chapter shown starts unmarked; an opened result marks it afterwards.
std::optional<QString> ReadingArea::showChapter(const QString& prefix, Focus focus) {
    std::optional<QString> chapterText = m_scripture.chapterText(prefix);
    if (!chapterText)
        return std::nullopt; // no readable Bible.dat: the reading area keeps what it shows
    m_marks->clear();
    m_view.readingText->setText(*chapterText);
    if (focus == Focus::Take)
        focusReadingText();
    m_shown = chapterText->isEmpty() ? std::nullopt : std::optional(prefix);
    return chapterText;
}

void ReadingArea::focusReadingText() {
    m_view.readingText->setFocus(Qt::OtherFocusReason);
}

void ReadingArea::showBookAndChapter(const QString& book, const QString& chapter) {
    m_view.bookBox->setText(book);
    m_view.chapterBox->clear(); // empties the text as well
    m_view.chapterBox->setText(chapter);
    fillChapterList(book);
}

void ReadingArea::openResult(const QString& line, bool byKeyboard) {
    BusyScope busy(m_pointer);
    const std::optional<scripture::ResultReference> reference = scripture::referenceOf(line);
    if (!reference)
        return; // the hint, or any line that is no verse line
    const std::optional<QString> chapterText =
        showChapter(reference->prefix, byKeyboard ? Focus::Leave : Focus::Take);
    if (!chapterText)
        return;
    const qsizetype offset = scripture::verseOffset(*chapterText, line, reference->prefix);
    m_view.readingText->setSelStart(int(offset));
    showBookAndChapter(reference->book, reference->chapter);
    m_marks->markTerms(search::termRanges(*chapterText, m_searchedTerms));
    markVerseAt(offset);
}

void ReadingArea::markVerseAt(qsizetype offset) {
    const QString text = m_view.readingText->text();
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
    m_view.bookBox->setText(place.book);
    onBookPicked();
    m_view.chapterBox->setText(QString::number(place.chapter));
    onChapterPicked();
}

// With no chapter shown, the keys show the chapter the boxes name, or the first of the text.
void ReadingArea::showNextChapter() {
    if (const std::optional<scripture::ChapterPlace> from = turningPoint()) {
        if (const std::optional<scripture::ChapterPlace> next = scripture::nextChapter(*from))
            showAsPicked(*next);
        return;
    }
    showAsPicked(scripture::namedChapter(m_view.bookBox->text(), m_view.chapterBox->text())
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
    TextBox& text = *m_view.readingText;
    const qsizetype start = text.selStart();
    const std::vector<scripture::VerseSpan> spans = scripture::verseSpans(text.text());
    const scripture::VerseRange touched =
        scripture::versesTouched(spans, start, start + text.selLength());
    const QString lines = scripture::referencedLines(m_scripture.text(), *m_shown, spans, touched);
    if (!lines.isEmpty())
        m_clipboard.setText(lines);
}
