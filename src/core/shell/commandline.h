#pragma once

#include <QString>
#include <QStringList>

// What a start asks for, read from the command line before the window system is reached, so
// that --help, --version and a refused command line answer on a terminal without a display.
namespace commandline {

// The exit status of a command line that cannot be followed.
inline constexpr int kRefused = 2;

struct Decision {
    enum Outcome { Run, Answer, Refuse } outcome = Run;
    QString text; // what is printed: the answer on standard output, a refusal on standard error
    int exitStatus = 0;
    QString namedFolder; // the folder --folder names; empty when none is named
};

// The arguments as given, the program's path first. The toolkit's own options (-style,
// -platform, -reverse, -stylesheet and the others every Qt program takes) are accepted and left
// for the application object, which reads them itself.
Decision decide(const QStringList& arguments);

} // namespace commandline
