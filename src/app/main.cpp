#include "applicationname.h"
#include "favorites/subjectfiles.h"
#include "search/commandsearch.h"
#include "shell/commandline.h"
#include "storage/filesystem.h"
#include "storage/folderchoice.h"
#include "study/notelines.h"
#include "texts/textshelf.h"
#include "windowloader.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// The search asked for on the command line, its lines on standard output.
// A text named by --text is rendered first when it has not been: the SWORD library is loaded
// for a module's text only.
int searchFromCommandLine(const shell::CommandLineDecision& asked) {
    FileSystem files;
    const ProgramFolder folder = storage::chooseFoldersOfThisMachine(files, asked.namedFolder);
    QString textPath;
    if (!asked.textName.isEmpty()) {
        texts::TextShelf shelf = texts::TextShelf::ofThisProgram(files, folder.biblePath());
        const texts::TextShelf::Resolved resolved = shelf.resolve(asked.textName);
        if (resolved.path.isEmpty()) {
            std::fputs(qUtf8Printable(QStringLiteral("vellumark: ") + resolved.problem), stderr);
            return resolved.exitStatus;
        }
        textPath = resolved.path;
    }
    std::optional<QByteArray> notes;
    if (asked.notes)
        notes = study::notesAsVerseLines(SubjectFiles(files, folder.notesFolder()));
    const search::CommandAnswer answer = search::searchFromCommandLine(
        files, folder, {asked.query, asked.book, asked.countOnly, textPath, notes},
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

// The texts there are, one a line on standard output: the SWORD library is loaded for them.
int listTexts(const shell::CommandLineDecision& asked) {
    FileSystem files;
    texts::TextShelf shelf = texts::TextShelf::ofThisProgram(
        files, storage::chooseFoldersOfThisMachine(files, asked.namedFolder).biblePath());
    const QByteArray lines = texts::listing(shelf.texts()).toUtf8();
    if (std::fwrite(lines.constData(), 1, std::size_t(lines.size()), stdout) !=
            std::size_t(lines.size()) ||
        std::fflush(stdout) != 0) {
        std::fputs("vellumark: the texts could not be written.\n", stderr);
        return shell::kExitRefused;
    }
    if (shelf.problem().isEmpty())
        return 0;
    std::fputs(qUtf8Printable(QStringLiteral("vellumark: ") + shelf.problem() + QLatin1Char('\n')),
               stderr);
    return shell::kExitRefused;
}

// Every note, one line of it a line on standard output.
int listNotes(const shell::CommandLineDecision& asked) {
    FileSystem files;
    const ProgramFolder folder = storage::chooseFoldersOfThisMachine(files, asked.namedFolder);
    const QByteArray lines = study::notesAsVerseLines(SubjectFiles(files, folder.notesFolder()))
                                 .sliced(FileSystem::kUtf8ByteOrderMark.size());
    if (std::fwrite(lines.constData(), 1, std::size_t(lines.size()), stdout) !=
            std::size_t(lines.size()) ||
        std::fflush(stdout) != 0) {
        std::fputs("vellumark: the notes could not be written.\n", stderr);
        return shell::kExitRefused;
    }
    return 0;
}

struct Start {
    shell::CommandLineDecision asked;
    int searchStatus = 0;
};

// As the application object reads them: Qt takes the command line in the system's encoding,
// which is UTF-8 on every system it runs on here.
QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Reads the command line before the window system is reached, so that --help, --version, a
// search and a refused command line answer on a terminal without a display, with no more of the
// toolkit than QtCore. Only --help and --version make an application object, as the usage line
// names the program through it: for a search it would cost about as much as the search itself,
// and the window makes its own.
Start readCommandLine(int argc, char* argv[]) {
    nameTheApplication();
    const QStringList arguments = argumentsOf(argc, argv);
    const shell::Display display = shell::Display::ofThisProcess();
    Start start{shell::decideCommandLine(arguments, display), 0};
    if (start.asked.outcome == shell::CommandLineDecision::Search) {
        start.searchStatus = searchFromCommandLine(start.asked);
    } else if (start.asked.outcome == shell::CommandLineDecision::Answer) {
        const QCoreApplication namingTheProgram(argc, argv);
        start.asked = shell::decideCommandLine(arguments, display);
    }
    return start;
}

} // namespace

int main(int argc, char* argv[]) {
    const Start start = readCommandLine(argc, argv);
    const shell::CommandLineDecision& asked = start.asked;
    if (asked.outcome == shell::CommandLineDecision::ListTexts)
        return listTexts(asked);
    if (asked.outcome == shell::CommandLineDecision::ListNotes)
        return listNotes(asked);
    if (asked.outcome == shell::CommandLineDecision::Search)
        return start.searchStatus;
    if (asked.outcome != shell::CommandLineDecision::Run) {
        std::fputs(qPrintable(asked.text),
                   asked.outcome == shell::CommandLineDecision::Answer ? stdout : stderr);
        if (!asked.showInWindow)
            return asked.exitStatus;
    }
    const LoadedWindow window = loadWindowLibrary(storage::executableFolder());
    if (!window.entry) {
        std::fputs(qPrintable(QStringLiteral("vellumark: ") + window.problem), stderr);
        return asked.outcome == shell::CommandLineDecision::Run ? shell::kExitNoWindow
                                                                : asked.exitStatus;
    }
    return window.entry(argc, argv, asked);
}
