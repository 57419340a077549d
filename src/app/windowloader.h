#pragma once

#include "windowlibrary.h"

#include <QString>

// Finds the window's library beside the executable, or where it is installed relative to it,
// and loads it.
struct LoadedWindow {
    windowlibrary::Entry entry = nullptr;
    QString problem; // why there is no entry: for standard error, ending in a line break
};

LoadedWindow loadWindowLibrary(const QString& executableFolder);
