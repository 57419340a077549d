#include "comparedialog/comparecommand.h"

#include "comparedialog/comparedialog.h"
#include "mainwindow/menus.h"
#include "reading/readingarea.h"
#include "services/mousepointer.h"

#include <QAction>

CompareCommand::CompareCommand(QWidget& window, const Menus& menus, ReadingArea& reading,
                               texts::TextShelf& shelf, MousePointer& pointer, Clipboard& clipboard)
    : m_window(window)
    , m_reading(reading)
    , m_shelf(shelf)
    , m_pointer(pointer)
    , m_clipboard(clipboard) {
    connect(menus.compareTexts, &QAction::triggered, this, &CompareCommand::compare);
}

CompareCommand::~CompareCommand() {
    delete m_dialog;
}

// The modules are listed here, the first time: the SWORD library is opened then.
void CompareCommand::compare() {
    const std::optional<scripture::Reference> verse = m_reading.verseAtCaret();
    if (!verse)
        return;
    delete m_dialog;
    QList<texts::Text> texts;
    {
        BusyScope busy(m_pointer);
        texts = m_shelf.texts();
    }
    m_dialog = new CompareDialog(&m_window, m_shelf, texts, *verse, m_clipboard);
    m_dialog->show();
}
