// Loading the text at 1x, 10x and 100x beside the least any load must do, one read of the file
// (read into a fresh buffer, then memchr for a byte the text lacks), each with the file in the
// page cache (warm) and taken out of it before every iteration (cold). The ratio of the two and
// its growth with the size are what the load's passes over the bytes cost. Between them, the
// least a load that upper-cases must do: the same read with the load's own vector passes run
// over each stretch as it arrives (letters upper-cased with their case bits, line feeds
// counted), and no line table.
#include "benchmain.h"
#include "scripture/bytepasses.h"
#include "scripture/pagebuffer.h"
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

void load(benchmark::State& state, int times, bool cold) {
    const QString path = benchTextPath(times);
    qsizetype size = 0;
    for (auto _ : state) {
        evictIfCold(state, path, cold);
        std::optional<VerseText> text = VerseText::readFile(path);
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
// any first read of the text pays). readInto reads the open file into the memory.
template <typename ReadInto>
void readEachTime(benchmark::State& state, int times, bool cold, qsizetype (*memoryFor)(qsizetype),
                  ReadInto readInto) {
    const QString path = benchTextPath(times);
    qsizetype size = 0;
    for (auto _ : state) {
        evictIfCold(state, path, cold);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("Bible.dat not read");
            break;
        }
        size = file.size();
        std::optional<PageBuffer> memory(std::in_place, memoryFor(size));
        readInto(file.handle(), memory->data(), size);
        state.PauseTiming();
        memory.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(qint64(state.iterations()) * size);
}

// One read of the whole file, then memchr for a byte it lacks.
void readFloor(benchmark::State& state, int times, bool cold) {
    const auto justTheBytes = [](qsizetype size) { return size; };
    readEachTime(state, times, cold, justTheBytes, [](int handle, char* bytes, qsizetype size) {
        qsizetype read = 0;
        for (qsizetype got = 0; read < size; read += got) {
            got = ::read(handle, bytes + read, std::size_t(size - read));
            if (got <= 0)
                break;
        }
        benchmark::DoNotOptimize(std::memchr(bytes, 0, std::size_t(read)));
    });
}

// The load's stretch, and its block of 64 bytes.
constexpr qsizetype kStretch = qsizetype(256) << 10;
constexpr qsizetype kBlock = 64;

// Where the case bits begin, past the bytes and the padding the vector passes read into.
qsizetype caseBitsAt(qsizetype size) {
    return (size + 2 * kBlock) / kBlock * kBlock;
}

// A stretch at a time, each upper-cased with its case bits and its line feeds counted as it
// arrives, as the load does, with no line table.
void onePass(benchmark::State& state, int times, bool cold) {
    const auto withCaseBits = [](qsizetype size) { return caseBitsAt(size) + size / 8 + kBlock; };
    const VectorUnit unit = vectorunit::widest();
    readEachTime(state, times, cold, withCaseBits, [unit](int handle, char* data, qsizetype size) {
        auto* bytes = reinterpret_cast<unsigned char*>(data);
        std::array<qsizetype, 256> counts{};
        qsizetype lineFeeds = 0;
        qsizetype read = 0;
        for (qsizetype got = 0; read < size; read += got) {
            got = ::read(handle, data + read, std::size_t(std::min(kStretch, size - read)));
            if (got <= 0)
                break;
            const qsizetype from = read / kBlock * kBlock;
            const qsizetype to = (read + got) / kBlock * kBlock;
            lineFeeds += bytepasses::countLineFeeds(unit, data, from, to).count;
            bytepasses::upperCase(unit, bytes, bytes + caseBitsAt(size), from, to, counts);
        }
        benchmark::DoNotOptimize(lineFeeds);
    });
}

const bool registered = [] {
    for (const int times : kBenchSizesUpToHundredfold) {
        for (const bool cold : {false, true}) {
            const std::string name = benchSizeName(times) + (cold ? "/cold/" : "/warm/");
            benchmark::RegisterBenchmark((name + "load").c_str(), load, times, cold)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((name + "read_floor").c_str(), readFloor, times, cold)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((name + "one_pass_floor").c_str(), onePass, times, cold)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

} // namespace

VELLUMARK_BENCHMARK_MAIN();
