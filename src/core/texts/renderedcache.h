#pragma once

#include "texts/modulelibrary.h"
#include "texts/renderedbooks.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stop_token>

class FileSystem;

// A module is rendered once, into the form the program reads Bible.dat in, and kept in the
// user's cache folder; it is rendered again when the module changes. A rendering is UTF-8 after
// a byte-order mark, as every UTF-8 file the program writes, with LF line ends. Its name holds
// a digest of what it was made from, so a rendering is never read for a module it was not made
// from, and a module changed while it was rendered is rendered again the next time.
namespace texts {

// The folder the renderings are kept in: Vellumark in the user's cache folder, which is
// $XDG_CACHE_HOME when that is an absolute path, else ~/.cache.
QString cacheFolder(const QString& xdgCacheHome, const QString& home);
QString cacheFolderOfThisUser();

// The module's data files, whose sizes and modification times say when its text changed: the
// plain files in its data folder (in the folder its data path ends in, when that is no folder).
QStringList moduleFiles(const FileSystem& files, const ModuleFacts& module);

// What a rendering of the module depends on: the program's way of rendering, the SWORD library's
// version, the module's name and configuration (its version among it), and the size and
// modification time of each of its data files.
QByteArray moduleStamp(const FileSystem& files, const ModuleFacts& module,
                       const QString& libraryVersion);

// Where the rendering of the module as stamped is kept: "<folder>/<name>-<digest>.txt".
QString renderedPath(const QString& folder, const QString& moduleName, const QByteArray& stamp);

struct Rendering {
    QString path;         // the rendered text; empty when there is none
    QString problem;      // why the module cannot be rendered, naming it, for the user; else empty
    bool stopped = false; // asked to stop: nothing was written
};

// The module's rendering in the folder, made first unless it is there: the module read through
// the library, then written atomically; renderings of the module's earlier states are then
// removed. A module that cannot be read, or holds no verse of the 66 books, or whose rendering
// cannot be written, is a problem, and nothing changes.
Rendering renderModule(ModuleLibrary& library, FileSystem& files, const ModuleFacts& module,
                       const QString& folder, const Progress& progress = {},
                       std::stop_token stop = {});

} // namespace texts
