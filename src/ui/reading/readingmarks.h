#pragma once

#include <QColor>
#include <QObject>
#include <QTextEdit>

#include <utility>
#include <vector>

class TextBox;

// What the reading area marks without touching its text, selection or caret: the verses the
// reader highlighted (under everything else, and never over the selection), the verse just
// opened (in a colour of its own, unlike a selection's, until the user clicks or types in the
// reading area), and the words that were searched for (softly, until another chapter is
// picked).
class ReadingMarks : public QObject {
    Q_OBJECT
public:
    using Ranges = std::vector<std::pair<qsizetype, qsizetype>>; // start, length

    explicit ReadingMarks(TextBox& verses);

    struct Highlight {
        qsizetype start = 0;
        qsizetype length = 0;
        QColor colour;
    };
    void markHighlights(std::vector<Highlight> highlights);
    // The numbers of the verses that have a note, underlined.
    void markNotes(Ranges numbers);
    void markVerse(qsizetype start, qsizetype length);
    void markTerms(Ranges ranges);
    void clear();

    // Scrolls so the line holding the offset is the top line, as far as the text's end
    // allows, leaving the caret and selection where they were.
    void scrollToTop(qsizetype offset);

    // The opened verse's colour in a palette.
    static QColor verseColour(const QPalette& palette);
    // A hue a share of the way from the page's own colour: the page's text stays readable on it.
    static QColor tint(const QPalette& palette, const QColor& hue, qreal share);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show();
    void addHighlights(QList<QTextEdit::ExtraSelection>& marks) const;

    TextBox& m_verses;
    std::vector<Highlight> m_highlights;
    Ranges m_notes;
    Ranges m_verse;
    Ranges m_terms;
};
