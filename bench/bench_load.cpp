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

// As a load reads the file: its size asked first, then one read into fresh memory of that size,
// taken as the load takes its own (a buffer kept between reads would save the page faults that
// any first read of the text pays).
void readFloor(benchmark::State& state, int times, bool cold) {
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
        std::optional<PageBuffer> bytes(std::in_place, size);
        qsizetype read = 0;
        for (qsizetype got = 0; read < size; read += got) {
            got = ::read(file.handle(), bytes->data() + read, std::size_t(size - read));
            if (got <= 0)
                break;
        }
        benchmark::DoNotOptimize(std::memchr(bytes->data(), 0, std::size_t(read)));
        state.PauseTiming();
        bytes.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(qint64(state.iterations()) * size);
}

// The load's stretch, its block of 64 bytes, and the padding its vector passes read into.
constexpr qsizetype kStretch = qsizetype(256) << 10;
constexpr qsizetype kBlock = 64;

void onePass(benchmark::State& state, int times, bool cold) {
    const QString path = benchTextPath(times);
    const VectorUnit unit = vectorunit::widest();
    qsizetype size = 0;
    for (auto _ : state) {
        evictIfCold(state, path, cold);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("Bible.dat not read");
            break;
        }
        size = file.size();
        const qsizetype bitsAt = (size + 2 * kBlock) / kBlock * kBlock;
        std::optional<PageBuffer> buffer(std::in_place, bitsAt + size / 8 + kBlock);
        auto* bytes = reinterpret_cast<unsigned char*>(buffer->data());
        std::array<qsizetype, 256> counts{};
        qsizetype read = 0;
        qsizetype lineFeeds = 0;
        for (qsizetype got = 0; read < size; read += got) {
            got = ::read(file.handle(), bytes + read, std::size_t(std::min(kStretch, size - read)));
            if (got <= 0)
                break;
            const qsizetype from = read / kBlock * kBlock;
            const qsizetype to = (read + got) / kBlock * kBlock;
            lineFeeds += bytepasses::countLineFeeds(unit, buffer->data(), from, to).count;
            bytepasses::upperCase(unit, bytes, bytes + bitsAt, from, to, counts);
        }
        benchmark::DoNotOptimize(lineFeeds);
        state.PauseTiming();
        buffer.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(qint64(state.iterations()) * size);
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
