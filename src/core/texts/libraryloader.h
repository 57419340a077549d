#pragma once

#include "texts/modulelibrary.h"

#include <QString>
#include <QStringList>

#include <memory>

// Finds the texts library beside the executable, or where it is installed relative to it, and
// loads it: only when a module's text is first needed or the texts are first listed.
namespace texts {

struct OpenedLibrary {
    std::unique_ptr<ModuleLibrary> library;
    QString problem; // why there is none, for the user
};

// Where the library may lie, the first found taken: beside the executable, then in the
// program's own folder under libexec.
QStringList libraryPaths(const QString& executableFolder);

// Loads the first of the paths that is a plain file: the loader would wait on a pipe put in the
// library's place. The library stays loaded for as long as the process runs.
OpenedLibrary openLibrary(const QStringList& paths);

} // namespace texts
