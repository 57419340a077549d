// The window as the program builds it (windowmain.cpp), linked in rather than loaded as the
// program loads its library, which costs a window's start about 1 ms more; reporting when start-up
// leaves the GUI thread idle, when the text is ready (read and indexed: its read, begun at start-up
// on a thread of its own, waited for once the GUI thread is idle, so never before idle) and the
// process's CPU time then, and, with --search, the memory it holds after one search run from the
// search page:
//   probe_app [--folder PROGRAM_FOLDER] [--search QUERY SCOPE]
// The program folder (by default the executable's) holds the Bible.dat read. With
// VELLUMARK_PHASES set, it prints the time since launch at each step of start-up.
#include "bibleapp.h"
#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/mainwindow.h"
#include "processprobe.h"
#include "scripture/scripturetext.h"
#include "searchpage/searchpage.h"
#include "services/clipboard.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/systemprintservice.h"
#include "storage/filesystem.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

using processprobe::phase;

struct Options {
    QString folder;
    std::optional<std::pair<QString, QString>> search;
};

Options options(const QStringList& arguments) {
    Options o;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--folder") && i + 1 < arguments.size())
            o.folder = arguments[++i];
        else if (arguments[i] == QLatin1String("--search") && i + 2 < arguments.size())
            o.search = std::pair(arguments[i + 1], arguments[i + 2]), i += 2;
    }
    return o;
}

// As a user does: the search page, the query typed, the focus leaving the box, the list painted.
void searchFromThePage(BibleApp& app, const QString& query, const QString& scope) {
    const SearchView& page = app.window().searchView();
    app.window().menus().showSearch->trigger();
    page.queryBox->setText(query);
    page.scopeBox->setText(scope);
    app.searchPage().onQueryBoxLeft();
    QApplication::processEvents();
    page.resultList->viewport()->repaint();
}

} // namespace

int main(int argc, char* argv[]) {
    phase("main");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumark"));
    phase("application");
    const Options o = options(QApplication::arguments());

    FileSystem files;
    WidgetMessageBoxes messages;
    CursorMousePointer pointer;
    SystemClipboard clipboard;
    SystemPrintService printer;
    const ProgramFolder folder(o.folder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                  : o.folder);
    BibleApp app(Storage{folder, files}, Services{messages, pointer, clipboard, printer});
    phase("window built");
    messages.setParent(&app.window());
    printer.setParent(&app.window());
    app.load();
    phase("load");
    processprobe::whenIdleAfterFirstPaint([&] {
        phase("idle");
        processprobe::printStartUp();
        app.scripture().finishLoading();
        std::printf("ready_ms=%.2f\nready_cpu_ms=%.2f\n", processprobe::msSinceLaunch(),
                    processprobe::processCpuMs());
        if (qEnvironmentVariableIsSet("VELLUMARK_PHASES")) {
            ScriptureText again(files, folder.biblePath());
            const double before = processprobe::threadCpuMs();
            again.refresh();
            std::printf("phase %-24s %8.2f ms of GUI thread CPU\n", "another read of the text",
                        processprobe::threadCpuMs() - before);
        }
        if (o.search) {
            searchFromThePage(app, o.search->first, o.search->second);
            std::printf("lines=%d\n", app.window().searchView().resultList->count());
        }
        processprobe::printMemory();
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    });
    app.show();
    phase("show");
    return QApplication::exec();
}
