#include "mainwindow/editcommands.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "mainwindow/mainwindow.h"
#include "services/clipboard.h"
#include "text/generaldate.h"

#include <QAction>

EditCommands::EditCommands(MainWindow& window, Clipboard& clipboard)
    : m_window(window)
    , m_clipboard(clipboard) {
    const Menus& m = window.menus();
    connect(m.undo, &QAction::triggered, this, &EditCommands::undo);
    connect(m.cut, &QAction::triggered, this, &EditCommands::cut);
    connect(m.copy, &QAction::triggered, this, &EditCommands::copy);
    connect(m.paste, &QAction::triggered, this, &EditCommands::paste);
    connect(m.deleteForward, &QAction::triggered, this, &EditCommands::deleteForward);
    connect(m.selectAll, &QAction::triggered, this, &EditCommands::selectAll);
    connect(m.insertDateTime, &QAction::triggered, this, &EditCommands::insertDateTime);
    offerMiddleClickPaste(m_window.findChildren<QWidget*>());
    connect(&m_window, &MainWindow::searchPageBuilt, this, &EditCommands::offerMiddleClickPaste);
}

void EditCommands::offerMiddleClickPaste(const QList<QWidget*>& controls) {
    for (QWidget* control : controls) {
        offerMiddleClickPasteIn<TextBox>(control);
        offerMiddleClickPasteIn<LineTextBox>(control);
        offerMiddleClickPasteIn<ComboBox>(control);
    }
}

template <typename Box> void EditCommands::offerMiddleClickPasteIn(QWidget* control) {
    if (auto* box = qobject_cast<Box*>(control))
        connect(box, &Box::pasteSelectionRequested, this, [this, box] { pasteSelection(*box); });
}

TextControl* EditCommands::focusedText() const {
    return dynamic_cast<TextControl*>(m_window.activeControl());
}

void EditCommands::undo() {
    if (TextControl* control = focusedText())
        control->undoEdit();
}

// With nothing selected, Cut and Copy leave the clipboard alone: emptying it would lose what
// the user put there.
void EditCommands::cut() {
    TextControl* control = focusedText();
    if (!control || control->selText().isEmpty())
        return;
    m_clipboard.setText(control->selText());
    control->setSelText(QString());
}

void EditCommands::copy() {
    const TextControl* control = focusedText();
    if (!control || control->selText().isEmpty())
        return;
    m_clipboard.setText(control->selText());
}

void EditCommands::paste() {
    const Clipboard& clipboard = m_clipboard;
    if (TextControl* control = focusedText(); control && clipboard.hasText())
        pasteInto(*control, clipboard.text());
}

void EditCommands::pasteSelection(TextControl& control) {
    pasteInto(control, m_clipboard.selectionText());
}

// Without text there is nothing to paste; the selection stays, so the subject's text is not
// cut short and then saved.
void EditCommands::pasteInto(TextControl& control, const QString& text) {
    if (!text.isEmpty())
        control.setSelText(text);
}

// The clipboard is not touched.
void EditCommands::deleteForward() {
    if (TextControl* control = focusedText())
        control->deleteForward();
}

void EditCommands::selectAll() {
    TextControl* control = focusedText();
    if (!control)
        return;
    control->setSelStart(0);
    control->setSelLength(int(control->text().size()));
}

void EditCommands::insertDateTime() {
    if (TextControl* control = focusedText())
        control->setSelText(text::generalDateText(QDateTime::currentDateTime()));
}
