#pragma once

class Clipboard;
class MessageBoxes;
class MousePointer;
class PrintService;

// The desktop services the window's handlers reach the user through. The application wires
// the real ones; tests wire fakes (scripted answers, a private clipboard, a PDF printer).
struct Services {
    MessageBoxes& messages;
    MousePointer& pointer;
    Clipboard& clipboard;
    PrintService& printer;
};
