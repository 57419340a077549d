#pragma once

#include "app/programfolder.h"

class Clipboard;
class FileSystem;
class MessageBoxes;
class MousePointer;
class PrintService;

// The services the window's handlers reach the outside world through. The application wires
// the real ones; tests wire fakes (scripted answers, a temporary folder, a PDF printer).
struct Platform {
    ProgramFolder folder;
    FileSystem& files;
    MessageBoxes& messages;
    MousePointer& pointer;
    Clipboard& clipboard;
    PrintService& printer;
};
