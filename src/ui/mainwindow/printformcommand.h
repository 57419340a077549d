#pragma once

#include <QObject>

class FrmBible;
struct Services;

// File > Print > Print Form: after a confirmation, prints a picture of the main window as it
// is shown, scaled to fit one page.
class PrintFormCommand : public QObject {
public:
    PrintFormCommand(FrmBible& window, Services& services);

    void mnuPrintForm_Click();

private:
    FrmBible& m_window;
    Services& m_services;
};
