#include "reading/readingmarks.h"

#include "controls/textbox.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

ReadingMarks::ReadingMarks(TextBox& verses)
    : QObject(&verses)
    , m_verses(verses) {
    verses.installEventFilter(this);
    verses.viewport()->installEventFilter(this);
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
    m_verse.clear();
    m_terms.clear();
    show();
}

// The offsets count the text as held; the document counts a line break once.
void ReadingMarks::show() {
    const QPalette& palette = m_verses.palette();
    QColor soft = palette.color(QPalette::Highlight);
    soft.setAlpha(64);
    QList<QTextEdit::ExtraSelection> marks;
    const auto add = [&](const Ranges& ranges, const QTextCharFormat& format) {
        for (const auto& [start, length] : ranges) {
            QTextCursor cursor(m_verses.document());
            cursor.setPosition(m_verses.positionOfOffset(int(start)));
            cursor.setPosition(m_verses.positionOfOffset(int(start + length)),
                               QTextCursor::KeepAnchor);
            marks.append({cursor, format});
        }
    };
    QTextCharFormat termFormat;
    termFormat.setBackground(soft);
    add(m_terms, termFormat);
    QTextCharFormat verseFormat;
    verseFormat.setBackground(palette.brush(QPalette::Highlight));
    verseFormat.setForeground(palette.brush(QPalette::HighlightedText));
    add(m_verse, verseFormat);
    m_verses.setExtraSelections(marks);
}

// The scroll bar counts the lines shown, wrapped ones included, from the top; until a paragraph
// is laid out it counts as one line, so all are laid out first and the line is where it is.
// The scroll bar stops the text's end from rising further than it can.
void ReadingMarks::scrollToTop(qsizetype offset) {
    QTextDocument* document = m_verses.document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        layout->blockBoundingRect(block);
    const QTextBlock verse = document->findBlock(m_verses.positionOfOffset(int(offset)));
    m_verses.verticalScrollBar()->setValue(verse.firstLineNumber());
}

bool ReadingMarks::eventFilter(QObject*, QEvent* event) {
    const QEvent::Type type = event->type();
    if (!m_verse.empty() && (type == QEvent::MouseButtonPress || type == QEvent::KeyPress)) {
        m_verse.clear();
        show();
    }
    return false;
}
