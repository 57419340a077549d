#pragma once

#include <QString>

#include <functional>

// The events of a control, one handler each, as the window's handlers expect them:
// change runs on every change of the text (typed or assigned, nested inside the assignment),
// click on a pick from a list or a button press, got/lost focus on real focus moves.
struct Control {
    std::function<void()> onChange;
    std::function<void()> onClick;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    // A middle click asks to paste the selection of the desktop at the caret it placed.
    std::function<void()> onPasteSelection;

    virtual ~Control() = default;

    void clearHandlers() {
        onChange = nullptr;
        onClick = nullptr;
        onGotFocus = nullptr;
        onLostFocus = nullptr;
        onPasteSelection = nullptr;
    }

protected:
    static void run(const std::function<void()>& handler) {
        if (handler)
            handler();
    }
};

// A control with editable text: what the edit commands work on. Offsets count a line break
// as the two characters CR LF, as the stored files and the bookmark do.
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
};
