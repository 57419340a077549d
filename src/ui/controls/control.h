#pragma once

#include <QString>
#include <QtGlobal>

// A control of the window, as its handlers see it. Each control's class raises its events as
// Qt signals, which handlers connect to with themselves as the context, so a handler that is
// gone is never called:
// - changed: the text changed, typed or assigned (nested inside the assignment);
// - picked: an item was chosen from the control's list (not raised by typing or assigning);
// - gotFocus / lostFocus: a real focus move between the window's controls, raised through
//   this interface by the window's focus tracker;
// - pasteSelectionRequested: a middle click placed the caret and asks for the desktop's
//   selected text.
class Control {
public:
    Control() = default;
    Q_DISABLE_COPY_MOVE(Control)
    virtual ~Control() = default;
    virtual void raiseGotFocus() = 0;
    virtual void raiseLostFocus() = 0;
};

// A control with editable text: what the edit commands work on. Offsets count a line break
// as the characters the text holds for it (CR LF counts two), as the stored files and the
// bookmark do.
class TextControl : public Control {
public:
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual int selStart() const = 0;
    virtual void setSelStart(int offset) = 0;
    virtual int selLength() const = 0;
    virtual void setSelLength(int length) = 0;
    virtual QString selText() const = 0;
    virtual void setSelText(const QString& text) = 0;
    // What the Del key does: remove the selection, or the character after the caret.
    virtual void deleteForward() = 0;
    // Takes back the last edit. An assigned text is none, unless assigned to be taken back.
    virtual void undoEdit() = 0;
};
