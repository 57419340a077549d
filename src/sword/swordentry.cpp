#include "swordlibrary.h"

// The library's one entry: the program loads it only when it first needs a module's text.
extern "C" __attribute__((visibility("default"))) texts::ModuleLibrary* VELLUMARK_TEXTS_ENTRY() {
    return new SwordLibrary;
}
