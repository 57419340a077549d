// The reference for the whole-process figures: a minimal Qt window with a menu bar and a list,
// built the way the program builds its own (a main window, its menus, a list view over a string
// model). It reports when start-up leaves the GUI thread idle and what it then holds in memory,
// and quits.
#include "processprobe.h"

#include <QApplication>
#include <QListView>
#include <QMainWindow>
#include <QMenuBar>
#include <QStringListModel>
#include <QTimer>

int main(int argc, char* argv[]) {
    processprobe::phase("main");
    QApplication application(argc, argv);
    processprobe::phase("application");
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    for (const char* title : {"&File", "&Edit", "&Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("&Open"));
        menu->addAction(QStringLiteral("E&xit"));
    }
    auto* list = new QListView(&window);
    list->setModel(new QStringListModel({QStringLiteral("Click verse to view chapter.")}, list));
    window.setCentralWidget(list);
    window.resize(620, 430);
    processprobe::phase("window built");
    processprobe::whenIdleAfterFirstPaint([] {
        processprobe::phase("idle");
        processprobe::printStartUp();
        processprobe::printMemory();
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    window.show();
    return QApplication::exec();
}
