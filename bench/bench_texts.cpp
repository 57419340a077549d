// The first rendering of the installed King James module (sword-text-kjv) into the form Bible.dat
// is read in, beside the SWORD library's loop over every verse's plain text as the rendering calls
// it, with nothing done with the text, its reference: the least a rendering through the library
// can cost. Each iteration starts the library afresh,
// as a first rendering does, with nothing of the module read before; the rendering also writes
// its file, synced, into a temporary cache folder emptied before each iteration. And a later open
// of the module, in a session whose texts are listed: its rendering found in the cache and read
// as the window reads it, beside a load of a Bible.dat of the same size, its reference.
#include "scripture/textfile.h"
#include "storage/filesystem.h"
#include "swordlibrary.h"
#include "texts/renderedcache.h"
#include "texts/textshelf.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

const char kModule[] = "engKJV2006eb";

void firstRendering(benchmark::State& state) {
    QTemporaryDir cache;
    FileSystem files;
    for (auto _ : state) {
        state.PauseTiming();
        QDir(cache.path()).removeRecursively();
        state.ResumeTiming();
        SwordLibrary library;
        const QList<texts::ModuleFacts> modules = library.bibleModules();
        const auto kjv = std::find_if(modules.begin(), modules.end(), [](const auto& module) {
            return module.name == QLatin1String(kModule);
        });
        if (kjv == modules.end())
            return state.SkipWithError("the King James module (sword-text-kjv) is not installed");
        const texts::Rendering rendering = texts::renderModule(library, files, *kjv, cache.path());
        if (rendering.path.isEmpty())
            return state.SkipWithError(qPrintable(rendering.problem));
    }
}

// The reference: the library's loop over every verse, as the rendering calls it (the same options,
// the same verses), each verse's text looked at once and nothing done with it: no book named,
// no line made, no file written.
class LookingSink : public texts::VerseSink {
public:
    bool beginBook(QByteArrayView) override { return true; }
    void verse(int, int, QByteArrayView text) override { bytes += std::size_t(text.size()); }
    bool stopped() const override { return false; }
    std::size_t bytes = 0;
};

void libraryLoop(benchmark::State& state) {
    for (auto _ : state) {
        SwordLibrary library;
        LookingSink sink;
        const QString problem = library.readVerses(QString::fromLatin1(kModule), sink);
        if (!problem.isEmpty())
            return state.SkipWithError(qPrintable(problem));
        benchmark::DoNotOptimize(sink.bytes);
    }
}

// The module rendered once into a cache of its own, and Bible.dat's lines written over and over
// into a file of the rendering's size, cut at a line's end.
struct Rendered {
    QTemporaryDir folder;
    FileSystem files;
    texts::TextShelf shelf{files, {}, folder.filePath("cache"), [] {
                               return texts::OpenedLibrary{std::make_unique<SwordLibrary>(), {}};
                           }};
    texts::Text kjv;
    QString sameSize = folder.filePath("Bible.dat");

    Rendered() {
        for (const texts::Text& text : shelf.texts())
            if (text.name == QLatin1String(kModule))
                kjv = text;
        const QString rendered = shelf.fileOf(kjv).path;
        const qint64 size = QFileInfo(rendered).size();
        QFile source(QStringLiteral("Bible.dat"));
        if (rendered.isEmpty() || !source.open(QIODevice::ReadOnly)) {
            sameSize.clear(); // run from elsewhere than Bible.dat's folder: nothing to load
            return;
        }
        const QByteArray lines = source.readAll();
        QByteArray bytes = lines.repeated(int(size / lines.size()) + 1);
        bytes.truncate(bytes.lastIndexOf('\n', size - 1) + 1);
        QFile file(sameSize);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            sameSize.clear();
    }
};
Rendered& rendered() {
    static Rendered made;
    return made;
}

void laterOpen(benchmark::State& state) {
    Rendered& made = rendered();
    if (made.kjv.name.isEmpty())
        return state.SkipWithError("the King James module (sword-text-kjv) is not installed");
    for (auto _ : state) {
        const texts::Rendering rendering = made.shelf.fileOf(made.kjv);
        benchmark::DoNotOptimize(scripture::readVerseText(rendering.path));
    }
}

void sameSizeLoad(benchmark::State& state) {
    Rendered& made = rendered();
    if (made.sameSize.isEmpty())
        return state.SkipWithError("no Bible.dat of the rendering's size");
    for (auto _ : state)
        benchmark::DoNotOptimize(scripture::readVerseText(made.sameSize));
}

BENCHMARK(laterOpen)->Name("kjv/later_open")->Unit(benchmark::kMillisecond);
BENCHMARK(sameSizeLoad)->Name("kjv/same_size_bible_dat_load")->Unit(benchmark::kMillisecond);
BENCHMARK(firstRendering)->Name("kjv/first_rendering")->Unit(benchmark::kMillisecond);
BENCHMARK(libraryLoop)->Name("kjv/library_loop")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
