#include "reading/readingarea.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "reading/caretverse.h"
#include "reading/readingmarks.h"
#include "reading/typedplace.h"
#include "scripture/bookcatalogue.h"
#include "scripture/chapterprefix.h"
#include "scripture/scripturetext.h"
#include "scripture/versespans.h"
#include "search/termmarks.h"
#include "services/clipboard.h"
#include "services/mousepointer.h"
#include "shell/welcometext.h"

#include <QAction>

ReadingArea::ReadingArea(const ReadingView& view, const ReadingCommands& commands,
                         MousePointer& pointer, ScriptureText& scripture, Clipboard& clipboard)
    : m_view(view)
    , m_pointer(pointer)
    , m_scripture(scripture)
    , m_clipboard(clipboard)
    , m_marks(new ReadingMarks(*view.readingText))
    , m_back(commands.back)
    , m_forward(commands.forward) {
    connect(view.bookBox, &ComboBox::picked, this, &ReadingArea::onBookPicked);
    connect(view.bookBox, &ComboBox::gotFocus, this, &ReadingArea::onBookBoxEntered);
    connect(view.bookBox, &ComboBox::entered, this, &ReadingArea::goToTyped);
    connect(view.chapterBox, &ComboBox::picked, this, &ReadingArea::onChapterPicked);
    connectCommands(commands);
    showHistoryCommands();
}

void ReadingArea::connectCommands(const ReadingCommands& commands) {
    TextBox* text = m_view.readingText;
    auto* separator = new QAction(text);
    separator->setSeparator(true);
    text->addActions({separator, commands.copyWithReference, commands.compareTexts,
                      commands.highlight, commands.noteOnVerse});
    connect(commands.nextChapter, &QAction::triggered, this,
            [this] { turnChapter(scripture::Turn::Next); });
    connect(commands.previousChapter, &QAction::triggered, this,
            [this] { turnChapter(scripture::Turn::Previous); });
    connect(commands.copyWithReference, &QAction::triggered, this, &ReadingArea::copyWithReference);
    connect(commands.goToReference, &QAction::triggered, this, &ReadingArea::focusBookBox);
    connect(commands.back, &QAction::triggered, this, &ReadingArea::goBack);
    connect(commands.forward, &QAction::triggered, this, &ReadingArea::goForward);
}

// Back and Forward are offered only where they lead somewhere.
void ReadingArea::showHistoryCommands() {
    m_back->setEnabled(m_history.canGoBack(m_shown.has_value()));
    m_forward->setEnabled(m_history.canGoForward());
}

void ReadingArea::prepare() {
    m_view.bookBox->setText(scripture::kBooks);
    m_view.bookBox->addItems(scripture::bookList());
    m_view.chapterBox->setText(scripture::kChapter);
    m_view.readingText->setText(shell::welcomeText());
}

// A book picked is read from its first chapter on.
void ReadingArea::onBookPicked() {
    showFirstChapterOfBook();
    if (scripture::chapterCount(m_view.bookBox->text()))
        onChapterPicked();
}

void ReadingArea::showFirstChapterOfBook() {
    m_view.chapterBox->clear();
    m_view.chapterBox->setText(QStringLiteral("1"));
    fillChapterList(m_view.bookBox->text());
}

void ReadingArea::onBookBoxEntered() {
    m_view.bookBox->setSelStart(0);
    m_view.bookBox->setSelLength(int(m_view.bookBox->text().size()));
}

void ReadingArea::focusBookBox() {
    m_view.bookBox->setFocus(Qt::ShortcutFocusReason);
    onBookBoxEntered();
}

// A reference's first verse is put at the top and marked, as an opened result's is.
void ReadingArea::goToTyped() {
    const std::optional<scripture::VersePlace> place = reading::placeTyped(m_view.bookBox->text());
    if (place)
        openVerse(*place); // otherwise the box keeps what was typed, to be mended
}

void ReadingArea::openVerse(const scripture::VersePlace& place) {
    BusyScope busy(m_pointer);
    const std::optional<scripture::ChapterText> chapter = showChapter(place.chapter);
    if (!chapter)
        return;
    showBookAndChapter(place.chapter.book, QString::number(place.chapter.chapter));
    const qsizetype offset = chapter->offsetOfVerse(place.verse).value_or(0);
    m_view.readingText->setSelStart(int(offset));
    arrived(place.verse > 0 ? markVerseAt(offset) : 0);
}

// A text that names no book (the separator between the testaments) leaves the list empty.
void ReadingArea::fillChapterList(const QString& book) {
    const int chapterCount = scripture::chapterCount(book).value_or(0);
    m_view.chapterBox->addItems(scripture::chapterList(chapterCount));
}

void ReadingArea::onChapterPicked() {
    BusyScope busy(m_pointer);
    if (showChapter(scripture::typedChapter(m_view.bookBox->text(), m_view.chapterBox->text()))) {
        m_view.readingText->setSelStart(0);
        arrived(0);
    }
}

// Every chapter shown starts unmarked; an opened result marks it afterwards.
std::optional<scripture::ChapterText> ReadingArea::showChapter(const scripture::ChapterPlace& place,
                                                               Focus focus) {
    std::optional<scripture::ChapterText> chapter = m_scripture.chapter(place);
    if (!chapter)
        return std::nullopt; // no readable Bible.dat: the reading area keeps what it shows
    if (const std::optional<reading::ReadingPlace> left = shownPlace())
        m_history.keepTop(*left);
    m_marks->clear();
    m_view.readingText->setText(chapter->text);
    if (focus == Focus::Take)
        focusReadingText();
    m_shown = chapter->text.isEmpty() ? std::nullopt : std::optional(place);
    if (m_shown)
        emit chapterShown(*m_shown);
    return chapter;
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

// The line is found in its chapter where the text is still the one searched, and by its verse
// number where the text has been read again since.
void ReadingArea::openResult(const scripture::FoundLine& found, bool byKeyboard) {
    BusyScope busy(m_pointer);
    const std::optional<scripture::VersePlace> place =
        scripture::versePlaceOf(*found.text, found.line);
    if (!place)
        return; // a line that is no verse line
    const std::optional<scripture::ChapterText> chapter =
        showChapter(place->chapter, byKeyboard ? Focus::Leave : Focus::Take);
    if (!chapter)
        return;
    const std::optional<qsizetype> offset = m_scripture.sharedText() == found.text
                                                ? chapter->offsetOfLine(found.line)
                                                : chapter->offsetOfVerse(place->verse);
    m_view.readingText->setSelStart(int(offset.value_or(0)));
    showBookAndChapter(place->chapter.book, QString::number(place->chapter.chapter));
    m_marks->markTerms(
        search::termRanges(chapter->text, m_searchedTerms, m_scripture.text().encoding()));
    arrived(markVerseAt(offset.value_or(0)));
}

qsizetype ReadingArea::markVerseAt(qsizetype offset) {
    const QString text = m_view.readingText->text();
    const std::vector<scripture::VerseSpan> spans = scripture::verseSpans(text);
    const scripture::VerseRange verse = scripture::versesTouched(spans, offset, offset);
    if (verse.last < verse.first)
        return offset;
    const scripture::VerseSpan& span = spans[std::size_t(verse.first)];
    m_marks->scrollToTop(span.start);
    m_marks->markVerse(span.start, span.lineEnd - span.start);
    return span.start;
}

void ReadingArea::forgetChapter() {
    if (const std::optional<reading::ReadingPlace> left = shownPlace())
        m_history.keepTop(*left);
    m_shown.reset();
    showHistoryCommands();
}

std::optional<reading::ReadingPlace> ReadingArea::shownPlace() const {
    const std::optional<scripture::ChapterPlace> chapter = turningPoint();
    if (!chapter)
        return std::nullopt;
    return reading::ReadingPlace{*chapter, m_view.readingText->topOffset()};
}

void ReadingArea::arrived(qsizetype top) {
    if (const std::optional<scripture::ChapterPlace> chapter = turningPoint())
        m_history.visit({*chapter, top});
    showHistoryCommands();
}

void ReadingArea::showPlace(const reading::ReadingPlace& place) {
    goTo(place);
    arrived(m_view.readingText->selStart());
}

// The place as it was left: the caret at its top line, nothing marked.
void ReadingArea::goTo(const reading::ReadingPlace& place) {
    BusyScope busy(m_pointer);
    if (!showChapter(place.chapter))
        return;
    showBookAndChapter(place.chapter.book, QString::number(place.chapter.chapter));
    m_view.readingText->setSelStart(int(place.top));
    m_marks->scrollToTop(m_view.readingText->selStart());
}

// The place left keeps its top line before the history moves on from it.
void ReadingArea::goBack() {
    if (const std::optional<reading::ReadingPlace> left = shownPlace())
        m_history.keepTop(*left);
    if (const std::optional<reading::ReadingPlace> place = m_history.back(m_shown.has_value()))
        goTo(*place);
    showHistoryCommands();
}

void ReadingArea::goForward() {
    if (const std::optional<reading::ReadingPlace> left = shownPlace())
        m_history.keepTop(*left);
    if (const std::optional<reading::ReadingPlace> place = m_history.forward())
        goTo(*place);
    showHistoryCommands();
}

// Only a chapter of the book catalogue has chapters before and after it.
std::optional<scripture::ChapterPlace> ReadingArea::turningPoint() const {
    return m_shown ? scripture::namedChapter(m_shown->book, QString::number(m_shown->chapter))
                   : std::nullopt;
}

// Through the same steps as picking the book and then the chapter.
void ReadingArea::showAsPicked(const scripture::ChapterPlace& place) {
    m_view.bookBox->setText(place.book);
    showFirstChapterOfBook();
    m_view.chapterBox->setText(QString::number(place.chapter));
    onChapterPicked();
}

void ReadingArea::turnChapter(scripture::Turn turn) {
    if (const std::optional<scripture::ChapterPlace> chapter = scripture::turnedChapter(
            turn, turningPoint(),
            scripture::namedChapter(m_view.bookBox->text(), m_view.chapterBox->text())))
        showAsPicked(*chapter);
}

void ReadingArea::copyWithReference() {
    if (!m_shown || !m_scripture.refresh())
        return;
    TextBox& text = *m_view.readingText;
    const qsizetype start = text.selStart();
    const std::vector<scripture::VerseSpan> spans = scripture::verseSpans(text.text());
    const scripture::VerseRange touched =
        scripture::versesTouched(spans, start, start + text.selLength());
    const QString lines = scripture::referencedLines(
        m_scripture.text(),
        scripture::chapterPrefix(m_shown->book, QString::number(m_shown->chapter)), spans, touched);
    if (!lines.isEmpty())
        m_clipboard.setText(lines);
}

std::optional<scripture::Reference> ReadingArea::verseAtCaret() const {
    const std::optional<scripture::ChapterPlace> chapter = turningPoint();
    if (!chapter)
        return std::nullopt;
    const TextBox& text = *m_view.readingText;
    return reading::verseAtCaret(*chapter, text.text(), text.selStart());
}

std::optional<scripture::Reference> ReadingArea::verseInSight() const {
    const std::optional<scripture::ChapterPlace> chapter = turningPoint();
    if (!chapter)
        return std::nullopt;
    const TextBox& text = *m_view.readingText;
    const bool caretInSight = text.viewport()->rect().intersects(text.cursorRect());
    return reading::verseAtCaret(*chapter, text.text(),
                                 caretInSight ? text.selStart() : text.topOffset());
}

std::vector<scripture::Reference> ReadingArea::versesSelected() const {
    const std::optional<scripture::ChapterPlace> chapter = turningPoint();
    if (!chapter)
        return {};
    const TextBox& text = *m_view.readingText;
    return reading::versesSelected(*chapter, text.text(), text.selStart(),
                                   text.selStart() + text.selLength());
}
