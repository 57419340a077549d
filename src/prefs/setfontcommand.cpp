#include "prefs/setfontcommand.h"

#include "app/frmbible.h"
#include "prefs/frmfont.h"

#include <QAction>

SetFontCommand::SetFontCommand(FrmBible& window, Platform& platform)
    : m_window(window)
    , m_platform(platform) {
    connect(window.menus.mnuSetFont, &QAction::triggered, this, &SetFontCommand::mnuSetFont_Click);
}

void SetFontCommand::mnuSetFont_Click() {
    if (!m_dialog) {
        m_dialog = new FrmFont(m_window, m_platform);
        // A closed dialog waits for deletion a moment; it is unloaded from now on.
        connect(m_dialog, &FrmFont::unloaded, this, [this] { m_dialog = nullptr; });
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
