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

// --folder DIR, --help and --version; the folder named, or nothing.
QString namedFolder(const QApplication& application) {
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
    parser.process(application);
    return parser.value(folder);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The name is the user's data folder's name (no organisation folder above it).
    QApplication::setApplicationName(QStringLiteral("Vellumark"));
    QApplication::setApplicationVersion(QStringLiteral(VELLUMARK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLUMARK_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vellumark.png")));

    FileSystem files;
    const ProgramFolder folder =
        chooseFolders(FolderFacts::ofThisMachine(namedFolder(application)),
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
