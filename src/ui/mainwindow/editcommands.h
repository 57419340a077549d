#pragma once

#include <QList>
#include <QObject>

class MainWindow;
class TextControl;
class Clipboard;
class QWidget;

// The Edit menu: text commands on the control that has the keyboard focus. They work through
// the control's own text operations, so an edit made here runs the control's change handler
// exactly as typing does. A focused control without editable text (the result list, the
// button), or no focused control at all, makes every command do nothing.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(MainWindow& window, Clipboard& clipboard);

    // Takes back the last edit of the focused control.
    void undo();
    void cut();
    void copy();
    void paste();
    // As the Del key does: the selection, or else the character after the caret.
    void deleteForward();
    void selectAll();
    // The date and time at the caret.
    void insertDateTime();
    // A middle click in the control: the desktop's selected text at its caret.
    void pasteSelection(TextControl& control);

private:
    void offerMiddleClickPaste(const QList<QWidget*>& controls);
    template <typename Box> void offerMiddleClickPasteIn(QWidget* control);
    void pasteInto(TextControl& control, const QString& text);
    TextControl* focusedText() const;

    MainWindow& m_window;
    Clipboard& m_clipboard;
};
