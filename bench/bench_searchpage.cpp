// From leaving the search box to a filled, painted result list, with the whole program built
// around it (offscreen), at 1x and 10x the text: the query "3:99" over "The Bible" lists every
// line. Two figures side by side: the first search of a session, right after start-up (each
// iteration starts the program afresh, untimed, and waits until its text is read, as a user's
// first search comes well after start-up), and a warm search, the same search again.
#include "benchmain.h"
#include "bibleapp.h"
#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/mainwindow.h"
#include "scripture/scripturetext.h"
#include "searchpage/searchpage.h"
#include "services/clipboard.h"
#include "services/messageboxes.h"
#include "services/mousepointer.h"
#include "services/systemprintservice.h"
#include "storage/filesystem.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <map>
#include <memory>
#include <string>

namespace {

// Program folders whose Bible.dat holds the text once and ten times over, written at start-up.
std::map<int, std::unique_ptr<QTemporaryDir>>& programFolders() {
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    return folders;
}

bool writeProgramFolders() {
    QFile source(benchBiblePath());
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    for (const int times : kBenchSizes) {
        auto folder = std::make_unique<QTemporaryDir>();
        QFile bible(folder->filePath(QStringLiteral("Bible.dat")));
        if (!folder->isValid() || !bible.open(QIODevice::WriteOnly))
            return false;
        for (int copy = 0; copy < times; ++copy) {
            if (bible.write(bytes) != bytes.size())
                return false;
        }
        programFolders()[times] = std::move(folder);
    }
    QThread::msleep(2100); // let the files' times settle, as an installed file's have
    return true;
}

// The program started on a folder, its text read, the search page shown and the query typed.
class Session {
public:
    Session(int times, const char* query, const char* scope)
        : m_app(Storage{ProgramFolder(programFolders().at(times)->path()), m_files},
                Services{m_messages, m_pointer, m_clipboard, m_printer}) {
        m_app.load();
        MainWindow& w = m_app.window();
        w.show();
        QApplication::processEvents(); // start-up's own events, as before any user input
        m_app.scripture().finishLoading();
        w.menus().showSearch->trigger();
        w.searchView().queryBox->setText(QString::fromUtf8(query));
        w.searchView().scopeBox->setText(QString::fromUtf8(scope));
        QApplication::processEvents();
    }

    // Leaving the search box runs the search; the list is then painted.
    void search() {
        m_app.searchPage().onQueryBoxLeft();
        QApplication::processEvents();
        list().viewport()->repaint();
    }

    ListBox& list() { return *m_app.window().searchView().resultList; }

private:
    FileSystem m_files;
    WidgetMessageBoxes m_messages;
    CursorMousePointer m_pointer;
    SystemClipboard m_clipboard;
    SystemPrintService m_printer;
    BibleApp m_app;
};

void firstAfterStartUp(benchmark::State& state, const char* query, const char* scope, int times) {
    int lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<Session>(times, query, scope);
        state.ResumeTiming();
        session->search();
        state.PauseTiming();
        lines = session->list().count();
        session.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["lines"] = lines;
}

void warm(benchmark::State& state, const char* query, const char* scope, int times) {
    Session session(times, query, scope);
    session.search(); // the first search is measured on its own
    for (auto _ : state) {
        state.PauseTiming();
        session.list().setItems({});
        QApplication::processEvents();
        state.ResumeTiming();
        session.search();
    }
    state.counters["lines"] = session.list().count();
}

void registerAll() {
    for (const int times : kBenchSizes) {
        const std::string name = std::string("every_line_3_99/") + benchSizeName(times) + "/";
        benchmark::RegisterBenchmark((name + "first_after_start_up").c_str(), firstAfterStartUp,
                                     "3:99", "The Bible", times)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(times == 10 ? 4 : 10);
        benchmark::RegisterBenchmark((name + "warm").c_str(), warm, "3:99", "The Bible", times)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchBiblePath() = QCoreApplication::applicationDirPath() + QStringLiteral("/Bible.dat");
    if (!writeProgramFolders())
        return 1;
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    programFolders().clear();
    return 0;
}
