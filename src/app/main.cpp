#include "bibleapp.h"
#include "mainwindow/frmbible.h"
#include "services/clipboard.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/systemprintservice.h"
#include "storage/filesystem.h"
#include "storage/folderchoice.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

namespace {

void nameTheApplication() {
    // The name is the user's data folder's name (no organisation folder above it).
    QCoreApplication::setApplicationName(QStringLiteral("Vellumark"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLUMARK_VERSION));
}

// --folder DIR, --help and --version; the folder named, or nothing. Read before the window
// system is reached, so --help and --version answer on a terminal without a display.
QString namedFolder(int argc, char* argv[]) {
    QCoreApplication commandLine(argc, argv);
    nameTheApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A reader for the Orrisant Version: read, search, keep favourite verses."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QStringLiteral("Keep every file in <folder>: Bible.dat is read from it, and the "
                       "display font, the bookmark and the Verses folder are kept in it."),
        QStringLiteral("folder"));
    parser.addOption(folder);
    parser.process(commandLine);
    return parser.value(folder);
}

} // namespace

int main(int argc, char* argv[]) {
    const QString named = namedFolder(argc, argv);
    QApplication application(argc, argv);
    nameTheApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLUMARK_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vellumark.png")));

    FileSystem files;
    const ProgramFolder folder =
        chooseFolders(FolderFacts::ofThisMachine(named),
                      [&](const QString& path) { return files.fileExists(path + "/Bible.dat"); });
    WidgetMessageBoxes messages;
    CursorMousePointer pointer;
    SystemClipboard clipboard;
    SystemPrintService printer;
    BibleApp app(Storage{folder, files}, Services{messages, pointer, clipboard, printer});
    messages.setParent(&app.window());
    printer.setParent(&app.window());
    app.load();
    app.window().show();
    return QApplication::exec();
}
