#include "applicationname.h"
#include "bibleapp.h"
#include "mainwindow/mainwindow.h"
#include "services/clipboard.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/systemprintservice.h"
#include "shell/commandline.h"
#include "storage/filesystem.h"
#include "storage/folderchoice.h"
#include "windowlibrary.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <type_traits>

namespace {

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
int showRefusal(int& argc, char* argv[], const shell::CommandLineDecision& asked) {
    const std::unique_ptr<QApplication> application = openApplication(argc, argv);
    WidgetMessageBoxes().ask(asked.text.trimmed(), MessageBoxes::OkOnly,
                             QStringLiteral("Vellumark"));
    return asked.exitStatus;
}

int runWindow(int& argc, char* argv[], const shell::CommandLineDecision& asked) {
    const std::unique_ptr<QApplication> application = openApplication(argc, argv);
    FileSystem files;
    const ProgramFolder folder = storage::chooseFoldersOfThisMachine(files, asked.namedFolder);
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

} // namespace

extern "C" Q_DECL_EXPORT int VELLUMARK_WINDOW_ENTRY(int& argc, char** argv,
                                                    const shell::CommandLineDecision& asked) {
    static_assert(std::is_same_v<decltype(&VELLUMARK_WINDOW_ENTRY), windowlibrary::Entry>);
    if (asked.outcome == shell::CommandLineDecision::Run)
        return runWindow(argc, argv, asked);
    return showRefusal(argc, argv, asked);
}
