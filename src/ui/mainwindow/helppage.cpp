#include "mainwindow/helppage.h"

#include "controls/textbox.h"
#include "mainwindow/frmbible.h"
#include "shell/helptext.h"

#include <QAction>

HelpPage::HelpPage(FrmBible& window, ProgramFolder folder)
    : m_window(window)
    , m_folder(std::move(folder)) {
    connect(window.menus.mnuContents, &QAction::triggered, this, [this] { mnuContents_Click(); });
}

void HelpPage::mnuContents_Click() {
    // Rebuilt from its first piece every time, so choosing it twice shows it once.
    m_window.TextVerses->setText(shell::helpText(m_folder));
    emit shown();
}
