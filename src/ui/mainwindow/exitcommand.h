#pragma once

#include <QObject>

class OpenWindows;
class QWidget;
struct Menus;

// File > Exit: every open window is closed, the last loaded first, so the main window closes
// last (running its closing save) and the program ends. Closing the main window by its close
// box closes the other windows as well, the last loaded first.
class ExitCommand : public QObject {
    Q_OBJECT
public:
    ExitCommand(QWidget& window, const Menus& menus, OpenWindows& windows);

    void exitProgram();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    OpenWindows& m_windows;
    bool m_exiting = false;
};
