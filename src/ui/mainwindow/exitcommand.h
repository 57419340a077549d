#pragma once

#include <QObject>

class FrmBible;
class LoadedForms;

// File > Exit: every open window is closed, the last loaded first, so the main window closes
// last (running its closing save) and the program ends. Closing the main window by its close
// box closes the other windows as well, the last loaded first.
class ExitCommand : public QObject {
public:
    ExitCommand(FrmBible& window, LoadedForms& forms);

    void mnuExit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FrmBible& m_window;
    LoadedForms& m_forms;
    bool m_exiting = false;
};
