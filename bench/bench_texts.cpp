// The first rendering of the installed King James module (sword-text-kjv) into the form Bible.dat
// is read in, beside the SWORD library's own loop over every verse's plain text, its reference:
// the least a rendering through the library can cost. Each iteration starts the library afresh,
// as a first rendering does, with nothing of the module read before; the rendering also writes
// its file, synced, into a temporary cache folder emptied before each iteration.
#include "storage/filesystem.h"
#include "swordlibrary.h"
#include "texts/renderedcache.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

#include <markupfiltmgr.h>
#include <swmgr.h>
#include <swmodule.h>

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

// Every option off, every verse's text rendered plain and looked at once.
void libraryPlainLoop(benchmark::State& state) {
    for (auto _ : state) {
        sword::SWMgr manager(new sword::MarkupFilterMgr(sword::FMT_PLAIN));
        for (const sword::SWBuf& option : manager.getGlobalOptions())
            manager.setGlobalOption(option.c_str(), "Off");
        sword::SWModule* module = manager.getModule(kModule);
        if (!module)
            return state.SkipWithError("the King James module (sword-text-kjv) is not installed");
        std::size_t bytes = 0;
        for (module->setPosition(sword::TOP); !module->popError(); module->increment())
            bytes += module->renderText().length();
        benchmark::DoNotOptimize(bytes);
    }
}

BENCHMARK(firstRendering)->Name("kjv/first_rendering")->Unit(benchmark::kMillisecond);
BENCHMARK(libraryPlainLoop)->Name("kjv/library_plain_loop")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
