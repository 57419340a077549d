#include "mainwindow/exitcommand.h"

#include "mainwindow/frmbible.h"
#include "mainwindow/loadedforms.h"

#include <QAction>
#include <QEvent>

ExitCommand::ExitCommand(FrmBible& window, LoadedForms& forms)
    : m_window(window)
    , m_forms(forms) {
    connect(window.menus.mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    window.installEventFilter(this);
}

void ExitCommand::mnuExit_Click() {
    m_exiting = true;
    m_forms.unloadAll();
    m_exiting = false;
}

bool ExitCommand::eventFilter(QObject* watched, QEvent* event) {
    // The close box of the main window: the windows opened after it go first, then the main
    // window runs its own closing.
    if (watched == &m_window && event->type() == QEvent::Close && !m_exiting)
        m_forms.unloadAfter(&m_window);
    return false;
}
