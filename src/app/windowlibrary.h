#pragma once

#include "shell/commandline.h"

#include <QtGlobal>

// The window and all of the toolkit it needs are in a library of their own, which the program
// loads only to show a window. A search, --help or --version then start with no more than QtCore:
// loading the widget libraries alone costs twice what a search of the whole text does.
namespace windowlibrary {

// Shows the window, or the refusal of a command line that is to be shown in one, and returns
// the exit status. argc must outlive the call, as the application object keeps it.
using Entry = int (*)(int& argc, char** argv, const shell::CommandLineDecision& asked);

// The library's file name: beside the executable in a portable copy and a build, and in the
// program's own folder under libexec once installed.
inline constexpr char kFileName[] = "vellumark-window.so";
// The entry's name carries the version, so a library left from another version is refused
// rather than handed a command line it may read differently.
inline constexpr char kEntryName[] = QT_STRINGIFY(VELLUMARK_WINDOW_ENTRY);

} // namespace windowlibrary
