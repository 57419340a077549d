// Loading the text at 1x, 10x and 100x, in Windows-1252 and the same text in UTF-8, beside the
// least any load must do, one read of the file (read into a fresh buffer a stretch at a time, each
// stretch looked over by memchr for a byte the text lacks), each with the file in the page cache
// (warm) and taken out of it before every iteration (cold). The ratio of the two and its growth
// with the size are what indexing the lines and books costs.
#include "benchmain.h"
#include "scripture/pagebuffer.h"
#include "scripture/textfile.h"
#include "scripture/versetext.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include <unistd.h>

namespace {

void evictIfCold(benchmark::State& state, const QString& path, bool cold) {
    if (!cold)
        return;
    state.PauseTiming();
    evictFromPageCache(path);
    state.ResumeTiming();
}

void load(benchmark::State& state, int times, BenchEncoding encoding, bool cold) {
    const QString path = benchTextPath(times, encoding);
    qsizetype size = 0;
    for (auto _ : state) {
        evictIfCold(state, path, cold);
        std::optional<VerseText> text = scripture::readVerseText(path);
        if (!text) {
            state.SkipWithError("Bible.dat not read");
            break;
        }
        size = text->size();
        benchmark::DoNotOptimize(text->lineCount());
        state.PauseTiming(); // giving the memory back is no part of the load
        text.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(qint64(state.iterations()) * size);
}

// As a load reads the file: its size asked first, then a read into fresh memory sized for it,
// taken as the load takes its own (a buffer kept between reads would save the page faults that
// any first read of the text pays), then memchr for a byte it lacks over each stretch read.
void readFloor(benchmark::State& state, int times, BenchEncoding encoding, bool cold) {
    const QString path = benchTextPath(times, encoding);
    qsizetype size = 0;
    for (auto _ : state) {
        evictIfCold(state, path, cold);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("Bible.dat not read");
            break;
        }
        size = file.size();
        std::optional<PageBuffer> memory(std::in_place, size);
        // In stretches, each looked at while the caches hold it, as the load reads: one pass over
        // the bytes after the whole read would fetch them from memory again.
        constexpr qsizetype kStretch = qsizetype(256) << 10;
        qsizetype read = 0;
        for (qsizetype got = 0; read < size; read += got) {
            char* at = memory->data() + read;
            got = ::read(file.handle(), at, std::size_t(std::min(kStretch, size - read)));
            if (got <= 0)
                break;
            benchmark::DoNotOptimize(std::memchr(at, 0, std::size_t(got)));
        }
        state.PauseTiming();
        memory.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(qint64(state.iterations()) * size);
}

const bool registered = [] {
    for (const BenchEncoding encoding : {BenchEncoding::Windows1252, BenchEncoding::Utf8}) {
        for (const int times : kBenchSizesUpToHundredfold) {
            for (const bool cold : {false, true}) {
                const std::string name = benchEncodingName(encoding) + "/" + benchSizeName(times) +
                                         (cold ? "/cold/" : "/warm/");
                benchmark::RegisterBenchmark((name + "load").c_str(), load, times, encoding, cold)
                    ->Unit(benchmark::kMillisecond);
                benchmark::RegisterBenchmark((name + "read_floor").c_str(), readFloor, times,
                                             encoding, cold)
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
    return true;
}();

} // namespace

VELLUMARK_BENCHMARK_MAIN();
