#pragma once

#include "scripture/chapterwalk.h"
#include "study/highlights.h"
#include "study/markstore.h"

#include <QColor>
#include <QList>
#include <QObject>

class MessageBoxes;
class QAction;
class QPalette;
class ReadingArea;

// Edit > Highlight: the verses the selection or the caret touches take a colour, or lose it, in
// every text; each chapter shown is drawn with its verses' colours from the file as it is then.
class HighlightCommands : public QObject {
    Q_OBJECT
public:
    // The colours' items in the core's order of colours, and Clear.
    HighlightCommands(const QList<QAction*>& colours, QAction* clear, ReadingArea& reading,
                      study::MarkStore& store, MessageBoxes& messages);

    void highlight(std::optional<study::Colour> colour);
    void showIn(const scripture::ChapterPlace& chapter);

    // A colour's tint in a palette: readable under the palette's own text, light or dark.
    static QColor tint(study::Colour colour, const QPalette& palette);

private:
    ReadingArea& m_reading;
    study::MarkStore& m_store;
    MessageBoxes& m_messages;
};
