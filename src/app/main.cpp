#include "bibleapp.h"
#include "mainwindow/mainwindow.h"
#include "search/commandsearch.h"
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

ProgramFolder chooseFolders(FileSystem& files, const QString& namedFolder) {
    return storage::chooseFolders(
        FolderFacts::ofThisMachine(namedFolder),
        [&](const QString& path) { return files.fileExists(path + "/Bible.dat"); });
}

// The search asked for on the command line, its lines on standard output.
int searchFromCommandLine(const shell::CommandLineDecision& asked) {
    FileSystem files;
    const search::CommandAnswer answer = search::searchFromCommandLine(
        files, chooseFolders(files, asked.namedFolder), {asked.query, asked.scope, asked.countOnly},
        [](QByteArrayView bytes) {
            return std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout) ==
                   std::size_t(bytes.size());
        });
    if (std::fflush(stdout) != 0) {
        std::fputs("vellumark: the result could not be written.\n", stderr);
        return search::kExitTrouble;
    }
    if (!answer.problem.isEmpty())
        std::fputs(qUtf8Printable(QStringLiteral("vellumark: ") + answer.problem), stderr);
    return answer.exitStatus;
}

// Reads the command line before the window system is reached, so that --help, --version, a
// search and a refused command line answer on a terminal without a display. A search is
// answered here too, with no more of the toolkit than the command line needs.
shell::CommandLineDecision readCommandLine(int argc, char* argv[], int& searchStatus) {
    QCoreApplication commandLine(argc, argv);
    nameTheApplication();
    shell::CommandLineDecision asked =
        shell::decideCommandLine(QCoreApplication::arguments(), shell::Display::ofThisProcess());
    if (asked.outcome == shell::CommandLineDecision::Search)
        searchStatus = searchFromCommandLine(asked);
    return asked;
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
    int searchStatus = 0;
    const shell::CommandLineDecision asked = readCommandLine(argc, argv, searchStatus);
    if (asked.outcome == shell::CommandLineDecision::Search)
        return searchStatus;
    if (asked.outcome != shell::CommandLineDecision::Run) {
        std::fputs(qPrintable(asked.text),
                   asked.outcome == shell::CommandLineDecision::Answer ? stdout : stderr);
        if (asked.showInWindow)
            showRefusal(argc, argv, asked.text);
        return asked.exitStatus;
    }
    const std::unique_ptr<QApplication> application = openApplication(argc, argv);

    FileSystem files;
    const ProgramFolder folder = chooseFolders(files, asked.namedFolder);
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
