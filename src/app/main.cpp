#include "app/bibleapp.h"
#include "app/filesystem.h"
#include "app/frmbible.h"
#include "app/platform/clipboard.h"
#include "app/platform/messageboxes.h"
#include "app/platform/mousepointer.h"
#include "app/platform/systemprintservice.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumark"));

    FileSystem files;
    WidgetMessageBoxes messages;
    CursorMousePointer pointer;
    SystemClipboard clipboard;
    SystemPrintService printer;
    BibleApp app(
        Platform{ProgramFolder::ofExecutable(), files, messages, pointer, clipboard, printer});
    messages.setParent(&app.window());
    printer.setParent(&app.window());
    app.load();
    app.window().show();
    return QApplication::exec();
}
