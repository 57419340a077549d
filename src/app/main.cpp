#include "bibleapp.h"
#include "mainwindow/mainwindow.h"
#include "services/clipboard.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/systemprintservice.h"
#include "shell/commandline.h"
#include "storage/filesystem.h"
#include "storage/folderchoice.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

void nameTheApplication() {
    // The name is the user's data folder's name (no organisation folder above it).
    QCoreApplication::setApplicationName(QStringLiteral("Vellumark"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLUMARK_VERSION));
}

// Reads the command line before the window system is reached, so that --help, --version and a
// refused command line answer on a terminal without a display.
shell::CommandLineDecision readCommandLine(int argc, char* argv[]) {
    QCoreApplication commandLine(argc, argv);
    nameTheApplication();
    return shell::decideCommandLine(QCoreApplication::arguments(), shell::Display::ofThisProcess());
}

// The names and icon the desktop shows for the program's windows.
void presentTheApplication() {
    nameTheApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLUMARK_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vellumark.png")));
}

// The toolkit ends the process when the display named cannot be opened; the terminal gets the
// one line that says what to do instead of an abort.
class DisplayGuard {
public:
    DisplayGuard() { s_previous = qInstallMessageHandler(&handle); }
    ~DisplayGuard() { qInstallMessageHandler(s_previous); }
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type != QtFatalMsg)
            return s_previous(type, context, message);
        std::fputs(qPrintable(shell::noDisplayText(shell::Display::ofThisProcess())), stderr);
        std::_Exit(shell::kExitNoDisplay);
    }
    inline static QtMessageHandler s_previous = nullptr;
};

// The application object, which opens the display; argc must outlive it.
std::unique_ptr<QApplication> openApplication(int& argc, char* argv[]) {
    const DisplayGuard guard;
    auto application = std::make_unique<QApplication>(argc, argv);
    presentTheApplication();
    return application;
}

// Someone who started the program from a menu or a launcher sees no terminal.
void showRefusal(int& argc, char* argv[], const QString& text) {
    const std::unique_ptr<QApplication> application = openApplication(argc, argv);
    WidgetMessageBoxes().ask(text.trimmed(), MessageBoxes::OkOnly, QStringLiteral("Vellumark"));
}

} // namespace

int main(int argc, char* argv[]) {
    const shell::CommandLineDecision asked = readCommandLine(argc, argv);
    if (asked.outcome != shell::CommandLineDecision::Run) {
        std::fputs(qPrintable(asked.text),
                   asked.outcome == shell::CommandLineDecision::Answer ? stdout : stderr);
        if (asked.showInWindow)
            showRefusal(argc, argv, asked.text);
        return asked.exitStatus;
    }
    const std::unique_ptr<QApplication> application = openApplication(argc, argv);

    FileSystem files;
    const ProgramFolder folder = storage::chooseFolders(
        FolderFacts::ofThisMachine(asked.namedFolder),
        [&](const QString& path) { return files.fileExists(path + "/Bible.dat"); });
    WidgetMessageBoxes messages;
    CursorMousePointer pointer;
    SystemClipboard clipboard;
    SystemPrintService printer;
    BibleApp app(Storage{folder, files}, Services{messages, pointer, clipboard, printer});
    messages.setParent(&app.window());
    printer.setParent(&app.window());
    app.load();
    app.show();
    return QApplication::exec();
}
