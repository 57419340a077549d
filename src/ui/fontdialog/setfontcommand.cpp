#include "fontdialog/setfontcommand.h"

#include "fontdialog/fontdialog.h"
#include "services/messageboxes.h"

#include <QAction>

SetFontCommand::SetFontCommand(QAction* setFont, QWidget& window, prefs::DisplayFont& font,
                               MessageBoxes& messages)
    : m_window(window)
    , m_font(font)
    , m_messages(messages) {
    connect(setFont, &QAction::triggered, this, &SetFontCommand::openDialog);
}

void SetFontCommand::openDialog() {
    if (!m_dialog) {
        m_dialog = new FontDialog(m_window, m_font, m_messages);
        // A closed dialog waits for deletion a moment; it is unloaded from now on.
        connect(m_dialog, &FontDialog::unloaded, this, [this] { m_dialog = nullptr; });
        placeOver(*m_dialog, m_window);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
