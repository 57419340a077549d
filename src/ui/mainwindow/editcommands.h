#pragma once

#include <QObject>

class FrmBible;
class TextControl;
class Clipboard;

// The Edit menu: text commands on the control that has the keyboard focus. They work through
// the control's own text operations, so an edit made here runs the control's change handler
// exactly as typing does. A focused control without editable text (the result list, the
// button), or no focused control at all, makes every command do nothing.
class EditCommands : public QObject {
public:
    EditCommands(FrmBible& window, Clipboard& clipboard);

    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuDelete_Click();
    void mnuSelectAll_Click();
    void mnuTimeDate_Click();
    // A middle click in the control: the desktop's selected text at its caret.
    void pasteSelection(TextControl& control);

private:
    template <typename Box> void offerMiddleClickPaste();
    void paste(TextControl& control, const QString& text);
    TextControl* focusedText() const;

    FrmBible& m_window;
    Clipboard& m_clipboard;
};
