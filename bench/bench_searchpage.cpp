// From leaving the search box to a filled, painted result list, with the whole program built
// around it (offscreen): the query "3:99" over "The Bible" lists every line of the text.
#include "benchmain.h"
#include "bibleapp.h"
#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/frmbible.h"
#include "searchpage/searchpage.h"
#include "services/clipboard.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/systemprintservice.h"
#include "storage/filesystem.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace {

void BM_LostFocusToFilledList(benchmark::State& state, const char* query, const char* scope) {
    QTemporaryDir folder;
    QFile::copy(benchBiblePath(), folder.filePath(QStringLiteral("Bible.dat")));
    QThread::msleep(2100); // let the copy's file times settle, as an installed file's have
    FileSystem files;
    WidgetMessageBoxes messages;
    CursorMousePointer pointer;
    SystemClipboard clipboard;
    SystemPrintService printer;
    BibleApp app(Storage{ProgramFolder(folder.path()), files},
                 Services{messages, pointer, clipboard, printer});
    app.load();
    FrmBible& w = app.window();
    w.show();
    QApplication::processEvents(); // start-up's own events, as before any user input
    w.menus.mnuSearch2->trigger();
    w.TextSearch->setText(QString::fromUtf8(query));
    w.ComboSearch->setText(QString::fromUtf8(scope));
    // The first search of a session, right after start-up.
    QElapsedTimer first;
    first.start();
    app.searchPage().TextSearch_LostFocus();
    QApplication::processEvents();
    w.ListVerse->viewport()->repaint();
    const double firstMs = double(first.nsecsElapsed()) / 1e6;
    for (auto _ : state) {
        state.PauseTiming();
        w.ListVerse->setItems({});
        QApplication::processEvents();
        state.ResumeTiming();
        app.searchPage().TextSearch_LostFocus();
        QApplication::processEvents();
        w.ListVerse->viewport()->repaint();
    }
    state.counters["lines"] = double(w.ListVerse->count());
    state.counters["first_search_ms"] = firstMs;
}

} // namespace

BENCHMARK_CAPTURE(BM_LostFocusToFilledList, every_line_3_99, "3:99", "The Bible")
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchBiblePath() = QCoreApplication::applicationDirPath() + QStringLiteral("/Bible.dat");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
