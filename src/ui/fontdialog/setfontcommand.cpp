#include "fontdialog/setfontcommand.h"

#include "fontdialog/frmfont.h"
#include "mainwindow/frmbible.h"

#include <QAction>

SetFontCommand::SetFontCommand(FrmBible& window, Storage& storage, MessageBoxes& messages)
    : m_window(window)
    , m_storage(storage)
    , m_messages(messages) {
    connect(window.menus.mnuSetFont, &QAction::triggered, this, &SetFontCommand::mnuSetFont_Click);
}

void SetFontCommand::mnuSetFont_Click() {
    if (!m_dialog) {
        m_dialog = new FrmFont(m_window, m_storage, m_messages);
        // A closed dialog waits for deletion a moment; it is unloaded from now on.
        connect(m_dialog, &FrmFont::unloaded, this, [this] { m_dialog = nullptr; });
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
