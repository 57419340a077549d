#include "mainwindow/editcommands.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "mainwindow/frmbible.h"
#include "services/clipboard.h"
#include "text/generaldate.h"

#include <QAction>

EditCommands::EditCommands(FrmBible& window, Clipboard& clipboard)
    : m_window(window)
    , m_clipboard(clipboard) {
    const Menus& m = window.menus;
    connect(m.mnuCut, &QAction::triggered, this, [this] { mnuCut_Click(); });
    connect(m.mnuCopy, &QAction::triggered, this, [this] { mnuCopy_Click(); });
    connect(m.mnuPaste, &QAction::triggered, this, [this] { mnuPaste_Click(); });
    connect(m.mnuDelete, &QAction::triggered, this, [this] { mnuDelete_Click(); });
    connect(m.mnuSelectAll, &QAction::triggered, this, [this] { mnuSelectAll_Click(); });
    connect(m.mnuTimeDate, &QAction::triggered, this, [this] { mnuTimeDate_Click(); });
    offerMiddleClickPaste<TextBox>();
    offerMiddleClickPaste<LineTextBox>();
    offerMiddleClickPaste<ComboBox>();
}

template <typename Box> void EditCommands::offerMiddleClickPaste() {
    for (Box* box : m_window.findChildren<Box*>())
        connect(box, &Box::pasteSelectionRequested, this, [this, box] { pasteSelection(*box); });
}

TextControl* EditCommands::focusedText() const {
    return dynamic_cast<TextControl*>(m_window.activeControl());
}

// With nothing selected, Cut and Copy leave the clipboard alone: emptying it would lose what
// the user put there.
void EditCommands::mnuCut_Click() {
    TextControl* control = focusedText();
    if (!control || control->selText().isEmpty())
        return;
    m_clipboard.setText(control->selText());
    control->setSelText(QString());
}

void EditCommands::mnuCopy_Click() {
    const TextControl* control = focusedText();
    if (!control || control->selText().isEmpty())
        return;
    m_clipboard.setText(control->selText());
}

void EditCommands::mnuPaste_Click() {
    const Clipboard& clipboard = m_clipboard;
    if (TextControl* control = focusedText(); control && clipboard.hasText())
        paste(*control, clipboard.text());
}

void EditCommands::pasteSelection(TextControl& control) {
    paste(control, m_clipboard.selectionText());
}

// Without text there is nothing to paste; the selection stays, so the subject's text is not
// cut short and then saved.
void EditCommands::paste(TextControl& control, const QString& text) {
    if (!text.isEmpty())
        control.setSelText(text);
}

// As the Del key does: the selection, or else the character after the caret; the clipboard
// is not touched.
void EditCommands::mnuDelete_Click() {
    if (TextControl* control = focusedText())
        control->deleteForward();
}

void EditCommands::mnuSelectAll_Click() {
    TextControl* control = focusedText();
    if (!control)
        return;
    control->setSelStart(0);
    control->setSelLength(int(control->text().size()));
}

void EditCommands::mnuTimeDate_Click() {
    if (TextControl* control = focusedText())
        control->setSelText(text::generalDateText(QDateTime::currentDateTime()));
}
