#pragma once

#include "storage/programfolder.h"

#include <QString>
#include <QStringList>

#include <functional>

class FileSystem;

// What start-up finds out about where the program may keep its files.
struct FolderFacts {
    QString namedFolder; // given on the command line; empty when none was
    QString executableFolder;
    bool executableFolderWritable = false;
    // Where an installed Bible.dat may be, the most likely first: beside the installed
    // executable's share folder, then the desktop's data folders.
    QStringList installedFolders;
    QString userDataFolder;

    // Looks at this machine: the executable's folder, the installed data folders and the
    // user's data folder; not when a folder is named, which holds everything.
    static FolderFacts ofThisMachine(const QString& namedFolder);
};

namespace storage {

// Portable: a folder named on the command line, or the executable's folder when it holds
// Bible.dat and can be written, holds everything, as it always has. Installed: Bible.dat is
// read from the first folder that holds it (the executable's own folder, then the installed
// ones), and the user's data folder holds what the program writes, so nothing is ever written
// where the program is installed. With no Bible.dat anywhere, the scripture folder is the
// last one looked in, for the message that says so.
ProgramFolder chooseFolders(const FolderFacts& facts,
                            const std::function<bool(const QString& folder)>& holdsBible);

// The folders of this start: those of this machine, Bible.dat looked for through the file layer.
ProgramFolder chooseFoldersOfThisMachine(FileSystem& files, const QString& namedFolder);

// The folder of the running executable, known with or without an application object: a search
// from the command line makes none, which costs about as much as the search itself.
QString executableFolder();

} // namespace storage
