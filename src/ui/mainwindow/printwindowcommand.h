#pragma once

#include <QObject>

class QWidget;
struct Menus;
struct Services;

// File > Print > Print Form: after a confirmation, prints a picture of the main window as it
// is shown, scaled to fit one page.
class PrintWindowCommand : public QObject {
    Q_OBJECT
public:
    PrintWindowCommand(QWidget& window, const Menus& menus, Services& services);

    void print();

private:
    QWidget& m_window;
    Services& m_services;
};
