#pragma once

#include <QObject>
#include <QPointer>

class Clipboard;
class CompareDialog;
class MousePointer;
class QWidget;
class ReadingArea;
struct Menus;

namespace texts {
class TextShelf;
}

// Edit > Compare Translations (also in the reading text's context menu): the verse at the caret
// in every text, in a window of its own. With no verse at the caret (the welcome or help text
// shown, or the caret before the first verse) it does nothing. A new comparison replaces the
// one open.
class CompareCommand : public QObject {
    Q_OBJECT
public:
    CompareCommand(QWidget& window, const Menus& menus, ReadingArea& reading,
                   texts::TextShelf& shelf, MousePointer& pointer, Clipboard& clipboard);
    // The window open goes first, and its renderings stop, while the shelf is still there.
    ~CompareCommand() override;

    void compare();

private:
    QWidget& m_window;
    ReadingArea& m_reading;
    texts::TextShelf& m_shelf;
    MousePointer& m_pointer;
    Clipboard& m_clipboard;
    QPointer<CompareDialog> m_dialog;
};
