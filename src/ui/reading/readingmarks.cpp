#include "reading/readingmarks.h"

#include "controls/textbox.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

ReadingMarks::ReadingMarks(TextBox& verses)
    : QObject(&verses)
    , m_verses(verses) {
    verses.installEventFilter(this);
    verses.viewport()->installEventFilter(this);
    connect(&verses, &TextBox::selectionChanged, this, &ReadingMarks::show);
}

void ReadingMarks::markHighlights(std::vector<Highlight> highlights) {
    m_highlights = std::move(highlights);
    show();
}

void ReadingMarks::markNotes(Ranges numbers) {
    m_notes = std::move(numbers);
    show();
}

void ReadingMarks::markVerse(qsizetype start, qsizetype length) {
    m_verse = {{start, length}};
    show();
}

void ReadingMarks::markTerms(Ranges ranges) {
    m_terms = std::move(ranges);
    show();
}

void ReadingMarks::clear() {
    m_highlights.clear();
    m_notes.clear();
    m_verse.clear();
    m_terms.clear();
    show();
}

namespace {

// Without a hue of its own to turn from, the selection is taken to be blue, as it mostly is.
constexpr int kBlueHue = 210;
constexpr qreal kVerseTint = 0.35;

} // namespace

// The hue opposite the selection's, a third of the way from the page's own colour, over the
// whole width of its lines: told from a selection at a glance, and the text on it as readable
// as on the page, in a light palette and a dark one alike.
QColor ReadingMarks::verseColour(const QPalette& palette) {
    const int selectionHue = palette.color(QPalette::Highlight).hsvHue();
    const int hue = ((selectionHue < 0 ? kBlueHue : selectionHue) + 180) % 360;
    return tint(palette, QColor::fromHsv(hue, 255, 255), kVerseTint);
}

QColor ReadingMarks::tint(const QPalette& palette, const QColor& hue, qreal share) {
    const QColor base = palette.color(QPalette::Base);
    return QColor::fromRgbF(base.redF() + (hue.redF() - base.redF()) * share,
                            base.greenF() + (hue.greenF() - base.greenF()) * share,
                            base.blueF() + (hue.blueF() - base.blueF()) * share);
}

// The offsets count the text as held; the document counts a line break once. The searched
// words are marked over the verse's mark, so they show inside it too.
void ReadingMarks::show() {
    const QPalette& palette = m_verses.palette();
    QColor soft = palette.color(QPalette::Highlight);
    soft.setAlpha(64);
    QList<QTextEdit::ExtraSelection> marks;
    addHighlights(marks);
    const auto add = [&](const Ranges& ranges, const QTextCharFormat& format) {
        for (const auto& [start, length] : ranges) {
            QTextCursor cursor(m_verses.document());
            cursor.setPosition(m_verses.positionOfOffset(int(start)));
            cursor.setPosition(m_verses.positionOfOffset(int(start + length)),
                               QTextCursor::KeepAnchor);
            marks.append({cursor, format});
        }
    };
    QTextCharFormat noteFormat;
    noteFormat.setFontUnderline(true);
    noteFormat.setUnderlineStyle(QTextCharFormat::DashUnderline);
    noteFormat.setUnderlineColor(palette.color(QPalette::Link));
    add(m_notes, noteFormat);
    QTextCharFormat verseFormat;
    verseFormat.setBackground(verseColour(palette));
    verseFormat.setProperty(QTextFormat::FullWidthSelection, true);
    add(m_verse, verseFormat);
    QTextCharFormat termFormat;
    termFormat.setBackground(soft);
    add(m_terms, termFormat);
    m_verses.setExtraSelections(marks);
}

// Each highlight leaves out the selection, which would be drawn under it and hidden.
void ReadingMarks::addHighlights(QList<QTextEdit::ExtraSelection>& marks) const {
    const QTextCursor selection = m_verses.textCursor();
    for (const Highlight& highlight : m_highlights) {
        const int start = m_verses.positionOfOffset(int(highlight.start));
        const int end = m_verses.positionOfOffset(int(highlight.start + highlight.length));
        QTextCharFormat format;
        format.setBackground(highlight.colour);
        const auto add = [&](int from, int to) {
            if (from >= to)
                return;
            QTextCursor cursor(m_verses.document());
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            marks.append({cursor, format});
        };
        add(start, std::min(end, selection.selectionStart()));
        add(std::max(start, selection.selectionEnd()), end);
    }
}

// The scroll bar counts the lines shown, wrapped ones included, from the top; until a paragraph
// is laid out it counts as one line, so all are laid out first and the line is where it is.
// The scroll bar stops the text's end from rising further than it can.
void ReadingMarks::scrollToTop(qsizetype offset) {
    QTextDocument* document = m_verses.document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        layout->blockBoundingRect(block);
    const int position = m_verses.positionOfOffset(int(offset));
    const QTextBlock block = document->findBlock(position);
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    m_verses.verticalScrollBar()->setValue(block.firstLineNumber() +
                                           (line.isValid() ? line.lineNumber() : 0));
}

bool ReadingMarks::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::PaletteChange)
        show(); // the marks take their colours from the palette
    if (!m_verse.empty() && (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)) {
        m_verse.clear();
        show();
    }
    return false;
}
