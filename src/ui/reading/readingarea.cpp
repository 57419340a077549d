#include "reading/readingarea.h"

#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/frmbible.h"
#include "scripture/bookcatalogue.h"
#include "scripture/resultline.h"
#include "scripture/scripturetext.h"
#include "services/mousepointer.h"

ReadingArea::ReadingArea(FrmBible& window, MousePointer& pointer, ScriptureText& scripture)
    : m_window(window)
    , m_pointer(pointer)
    , m_scripture(scripture) {
    connect(window.ComboBooks, &ComboBox::picked, this, &ReadingArea::ComboBooks_Click);
    connect(window.ComboChapter, &ComboBox::picked, this, &ReadingArea::ComboChapter_Click);
    connect(window.ListVerse, &ListBox::picked, this, &ReadingArea::ListVerse_Click);
}

void ReadingArea::ComboBooks_Click() {
    m_window.ComboChapter->clear();
    m_window.ComboChapter->setText(QStringLiteral("1"));
    fillChapterList(m_window.ComboBooks->text());
}

// A text that names no book (the separator between the testaments) leaves the list empty.
void ReadingArea::fillChapterList(const QString& book) {
    const int chapterCount = books::chapterCount(book).value_or(0);
    m_window.ComboChapter->addItems(books::chapterList(chapterCount));
}

void ReadingArea::ComboChapter_Click() {
    BusyScope busy(m_pointer);
    const QString prefix = m_window.ComboBooks->text() + QLatin1Char(' ') +
                           m_window.ComboChapter->text() + QLatin1Char(':');
    if (showChapter(prefix))
        m_window.TextVerses->setSelStart(0);
}

std::optional<QString> ReadingArea::showChapter(const QString& prefix) {
    std::optional<QString> chapterText = m_scripture.chapterText(prefix);
    if (!chapterText)
        return std::nullopt; // no readable Bible.dat: the reading area keeps what it shows
    m_window.TextVerses->setText(*chapterText);
    m_window.TextVerses->setFocus(Qt::OtherFocusReason);
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
    const std::optional<QString> chapterText = showChapter(reference->prefix);
    if (!chapterText)
        return;
    m_window.TextVerses->setSelStart(
        int(scripture::verseOffset(*chapterText, line, reference->prefix)));
    showBookAndChapter(reference->book, reference->chapter);
}
