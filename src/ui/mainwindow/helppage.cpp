#include "mainwindow/helppage.h"

#include "controls/textbox.h"
#include "mainwindow/menus.h"
#include "shell/helptext.h"

#include <QAction>

HelpPage::HelpPage(TextBox& readingText, const Menus& menus, ProgramFolder folder)
    : m_readingText(readingText)
    , m_folder(std::move(folder)) {
    connect(menus.showHelp, &QAction::triggered, this, &HelpPage::showHelp);
}

void HelpPage::showHelp() {
    // Rebuilt from its first piece every time, so choosing it twice shows it once.
    m_readingText.setText(shell::helpText(m_folder));
    emit shown();
}
