#include "fontdialog/setfontcommand.h"

#include "fontdialog/fontdialog.h"
#include "mainwindow/mainwindow.h"
#include "placement/placement.h"

#include <QAction>
#include <QScreen>

SetFontCommand::SetFontCommand(MainWindow& window, Storage& storage, MessageBoxes& messages)
    : m_window(window)
    , m_storage(storage)
    , m_messages(messages) {
    connect(window.menus().setFont, &QAction::triggered, this, &SetFontCommand::openDialog);
}

// Centred over the main window, where the user's eyes are, and on the screen. The dialog's
// frame is not known before it is shown: it is taken to be as wide as the main window's.
void SetFontCommand::placeOverWindow(QWidget& dialog) const {
    const QRect window = m_window.frameGeometry();
    const QRect client = m_window.geometry();
    const QMargins frame(client.left() - window.left(), client.top() - window.top(),
                         window.right() - client.right(), window.bottom() - client.bottom());
    const QSize framed = dialog.size().grownBy(frame);
    const QScreen* screen = m_window.screen();
    const QRect placed = placement::centredOver(framed, window, screen->availableGeometry());
    dialog.move(placed.topLeft()); // a window's position is its frame's
}

void SetFontCommand::openDialog() {
    if (!m_dialog) {
        m_dialog = new FontDialog(m_window, m_window.displayControls(), m_storage, m_messages);
        // A closed dialog waits for deletion a moment; it is unloaded from now on.
        connect(m_dialog, &FontDialog::unloaded, this, [this] { m_dialog = nullptr; });
        placeOverWindow(*m_dialog);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

FontDialog* SetFontCommand::dialog() const {
    return m_dialog.data();
}
