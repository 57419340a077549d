#include "applicationname.h"
#include "search/commandsearch.h"
#include "shell/commandline.h"
#include "storage/filesystem.h"
#include "storage/folderchoice.h"
#include "windowloader.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// The search asked for on the command line, its lines on standard output.
int searchFromCommandLine(const shell::CommandLineDecision& asked) {
    FileSystem files;
    const search::CommandAnswer answer = search::searchFromCommandLine(
        files, storage::chooseFoldersOfThisMachine(files, asked.namedFolder),
        {asked.query, asked.scope, asked.countOnly}, [](QByteArrayView bytes) {
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

struct Start {
    shell::CommandLineDecision asked;
    int searchStatus = 0;
    QString executableFolder;
};

// Reads the command line before the window system is reached, so that --help, --version, a
// search and a refused command line answer on a terminal without a display, with no more of the
// toolkit than QtCore.
Start readCommandLine(int argc, char* argv[]) {
    QCoreApplication commandLine(argc, argv);
    nameTheApplication();
    Start start{
        shell::decideCommandLine(QCoreApplication::arguments(), shell::Display::ofThisProcess()), 0,
        QCoreApplication::applicationDirPath()};
    if (start.asked.outcome == shell::CommandLineDecision::Search)
        start.searchStatus = searchFromCommandLine(start.asked);
    return start;
}

} // namespace

int main(int argc, char* argv[]) {
    const Start start = readCommandLine(argc, argv);
    const shell::CommandLineDecision& asked = start.asked;
    if (asked.outcome == shell::CommandLineDecision::Search)
        return start.searchStatus;
    if (asked.outcome != shell::CommandLineDecision::Run) {
        std::fputs(qPrintable(asked.text),
                   asked.outcome == shell::CommandLineDecision::Answer ? stdout : stderr);
        if (!asked.showInWindow)
            return asked.exitStatus;
    }
    const LoadedWindow window = loadWindowLibrary(start.executableFolder);
    if (!window.entry) {
        std::fputs(qPrintable(QStringLiteral("vellumark: ") + window.problem), stderr);
        return asked.outcome == shell::CommandLineDecision::Run ? shell::kExitNoWindow
                                                                : asked.exitStatus;
    }
    return window.entry(argc, argv, asked);
}
