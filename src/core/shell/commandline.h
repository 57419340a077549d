#pragma once

#include <QString>
#include <QStringList>

// What a start asks for, read from the command line before the window system is reached, so
// that --help, --version and a refused command line answer on a terminal without a display.
namespace shell {

// The exit statuses of a start that cannot show the window, and of a command line that cannot
// be followed.
inline constexpr int kExitNoDisplay = 1;
inline constexpr int kExitNoWindow = 1; // the window's own library could not be loaded
inline constexpr int kExitRefused = 2;

// What the toolkit reads to find a display: DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM.
struct Display {
    QString x11;
    QString wayland;
    QString platform;

    static Display ofThisProcess();
};

// The line that says no display could be opened, and how to start one.
QString noDisplayText(const Display& display);

struct CommandLineDecision {
    // Search: search the text and print what is found, without a window. ListTexts: print the
    // texts there are, without a window.
    // ListNotes: print the notes, without a window.
    enum Outcome { Run, Answer, Refuse, Search, ListTexts, ListNotes } outcome = Run;
    QString text; // what is printed: the answer on standard output, a refusal on standard error
    int exitStatus = 0;
    QString namedFolder;       // the folder --folder names, absolute; empty when none is named
    bool showInWindow = false; // a refusal is also shown in a message box, on a screen one sees
    QString query;             // what --search looks for, as given
    QString book;              // the book --in names, as given; empty when none is named
    bool countOnly = false;    // --count: only how many lines were found
    QString textName;          // the text --text names, as given; empty for Bible.dat
    bool notes = false;        // --notes: the search searches the notes
};

// The arguments as given, the program's path first. The toolkit's own options (-style,
// -platform, -reverse, -stylesheet and the others every Qt program takes) are accepted and left
// for the application object, which reads them itself. A folder named by --folder must be there
// already: a mistyped one is refused rather than made. With no display named anywhere the start
// is refused too, before the toolkit would end the process. A search (--search, with --in,
// --count and --text) and the list of texts (--texts) need no display: they are answered on the
// terminal.
CommandLineDecision decideCommandLine(const QStringList& arguments, const Display& display);

} // namespace shell
