#include "mainwindow/exitcommand.h"

#include "mainwindow/menus.h"
#include "mainwindow/openwindows.h"

#include <QAction>
#include <QEvent>

ExitCommand::ExitCommand(QWidget& window, const Menus& menus, OpenWindows& windows)
    : m_window(window)
    , m_windows(windows) {
    connect(menus.exit, &QAction::triggered, this, &ExitCommand::exitProgram);
    window.installEventFilter(this);
}

void ExitCommand::exitProgram() {
    m_exiting = true;
    m_windows.closeAll();
    m_exiting = false;
}

bool ExitCommand::eventFilter(QObject* watched, QEvent* event) {
    // The close box of the main window: the windows opened after it go first, then the main
    // window runs its own closing.
    if (watched == &m_window && event->type() == QEvent::Close && !m_exiting)
        m_windows.closeAfter(&m_window);
    return false;
}
