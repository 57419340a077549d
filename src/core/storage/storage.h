#pragma once

#include "storage/programfolder.h"

class FileSystem;

// Where the program keeps its files, and the file layer that reads and writes them. Start-up
// passes the real ones; a test passes a temporary folder and a file layer that fails on
// purpose.
struct Storage {
    ProgramFolder folder;
    FileSystem& files;
};
