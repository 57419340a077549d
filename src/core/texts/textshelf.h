#pragma once

#include "texts/libraryloader.h"
#include "texts/modulelibrary.h"
#include "texts/renderedcache.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>

class FileSystem;

namespace texts {

// Bible.dat, the first text and the default.
inline const QString kBibleDatName = QStringLiteral("Bible.dat");
inline const QString kBibleDatDescription = QStringLiteral("Orrisant Version");

// A text the program can show: Bible.dat, or a Bible text module rendered as Bible.dat is read.
struct Text {
    QString name;         // Bible.dat, or the module's name
    QString abbreviation; // another name it goes by; empty when none
    QString description;  // what it is called where the texts are listed
    ModuleFacts module;   // what it is rendered from; no name for Bible.dat

    bool isBibleDat() const { return module.name.isEmpty(); }
};

// The texts there are: Bible.dat first, then every Bible text module of the SWORD library. The
// library is opened only when the modules are first listed or a module is first asked for, so a
// start on Bible.dat never opens it.
class TextShelf {
public:
    using Opener = std::function<OpenedLibrary()>;

    // Bible.dat is read at biblePath; modules are rendered into cacheFolder.
    TextShelf(FileSystem& files, QString biblePath, QString cacheFolder, Opener opener);
    // The library beside this executable or installed with it; renderings in the user's cache.
    static TextShelf ofThisProgram(FileSystem& files, const QString& biblePath);

    // Every text, Bible.dat first. The modules are listed once, on the first call.
    const QList<Text>& texts();
    // Why the modules could not be listed; empty when they were.
    const QString& problem() const { return m_problem; }
    // The same, as a sentence for the user; empty when they were.
    QString problemText() const;

    struct Found {
        int index = -1;  // in texts(); -1 when the name names no one text
        QString problem; // why not, naming the texts there are, ending in a line break
    };
    // The text a name given by the user names: Bible.dat, a module's name or its abbreviation, in
    // any case; a module's name before another's abbreviation. Bible.dat is found without the
    // library being opened.
    Found find(const QString& name);

    // Where the text's lines are read: Bible.dat's own path, or the module's rendering, made first
    // when there is none for the module as it is now. Once the texts are listed, it may run on a
    // thread of its own while this thread reads the list; it reports its progress and stops when
    // asked, on that thread. The library takes its calls one at a time: a rendering asked for
    // while another runs waits for it, or stops waiting when asked to stop.
    Rendering fileOf(const Text& text, const Progress& progress = {}, std::stop_token stop = {});

    // What a name given on the command line leads to: the file to read, rendered first when
    // needed, or why there is none.
    struct Resolved {
        QString path;
        QString problem;    // for standard error, ending in a line break
        int exitStatus = 0; // the command line's: 0, or 2 when there is nothing to read
    };
    Resolved resolve(const QString& name);

private:
    FileSystem& m_files;
    QString m_biblePath;
    QString m_cacheFolder;
    Opener m_opener;
    std::unique_ptr<ModuleLibrary> m_library;
    std::unique_ptr<std::timed_mutex> m_libraryCalls = std::make_unique<std::timed_mutex>();
    QList<Text> m_texts;
    bool m_listed = false;
    QString m_problem;
};

// What --texts prints: one line per text, its name, a tab and its description.
QString listing(const QList<Text>& texts);

} // namespace texts
