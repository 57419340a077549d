#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// The Bible texts of the SWORD library are read through a library of the program's own, loaded
// only when a module's text is first needed or the texts are first listed, so that a start on
// Bible.dat and a search of it load nothing of it. This is all that library does; what is made
// of a module's verses, and every file, is decided here in the core.
namespace texts {

// A Bible text module as the module manager found it.
struct ModuleFacts {
    QString name;          // the module's own name, one module's only: "engKJV2006eb"
    QString abbreviation;  // its short name ("KJV"); empty when it has none
    QString description;   // its title: "King James Version"
    QString configuration; // every entry the module manager read for it, "Key=value" a line
    QString dataPath;      // its data files' folder
};

// Takes a module's verses, book by book in the module's own order.
class VerseSink {
public:
    VerseSink() = default;
    Q_DISABLE_COPY_MOVE(VerseSink) // copied, a sink would lose what its kind adds
    virtual ~VerseSink() = default;
    // A book begins, named by its OSIS abbreviation ("Gen", "1Macc"); false when none of its
    // verses are wanted.
    virtual bool beginBook(QByteArrayView osisBook) = 0;
    // A verse of that book: its plain text in UTF-8, empty when the module lacks it. The text may
    // hold line breaks and spaces at either end.
    virtual void verse(int chapter, int verse, QByteArrayView text) = 0;
    // Whether the reading is to stop, before the next verse.
    virtual bool stopped() const = 0;
};

// The SWORD library behind the interface the program reads it through. Its calls may come from
// any thread, one at a time or not: they are taken one after the other.
class ModuleLibrary {
public:
    ModuleLibrary() = default;
    Q_DISABLE_COPY_MOVE(ModuleLibrary)
    virtual ~ModuleLibrary() = default;
    // The SWORD library's version, on which the rendering of every module depends.
    virtual QString version() const = 0;
    // Every Bible text module the module manager finds where it looks (the system's library,
    // ~/.sword, SWORD_PATH), ordered by name.
    virtual QList<ModuleFacts> bibleModules() = 0;
    // Reads every verse of the named module into the sink, rendered as plain text: no Strong's
    // numbers, morphology, footnotes, headings or cross references, the letters' own marks (Greek
    // accents, Hebrew points) kept. Empty when it was read, otherwise why it cannot be.
    virtual QString readVerses(const QString& moduleName, VerseSink& sink) = 0;
};

// The library's one entry, which makes the library's object; the caller owns it. It is named for
// the program's version: a library left from another version, whose interface may differ, is
// refused.
using LibraryEntry = ModuleLibrary* (*)();
// Beside the executable in a portable copy and a build, and with the window's library under
// libexec once installed.
inline constexpr char kLibraryFileName[] = "vellumark-sword.so";

} // namespace texts
