#include "bibleapp.h"
#include "mainwindow/frmbible.h"
#include "services/clipboard.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/systemprintservice.h"
#include "storage/filesystem.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumark"));

    FileSystem files;
    WidgetMessageBoxes messages;
    CursorMousePointer pointer;
    SystemClipboard clipboard;
    SystemPrintService printer;
    BibleApp app(Storage{ProgramFolder::ofExecutable(), files},
                 Services{messages, pointer, clipboard, printer});
    messages.setParent(&app.window());
    printer.setParent(&app.window());
    app.load();
    app.window().show();
    return QApplication::exec();
}
