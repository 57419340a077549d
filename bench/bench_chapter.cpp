// Loading a chapter at 1x and 10x the text: from the text kept in memory, from a cold start (the
// file read and indexed first), and by rescanning the file line by line for every request; and
// the memory the text kept in memory holds for each byte of the file.
#include "benchmain.h"
#include "naivescan.h"
#include "scripture/scripturetext.h"
#include "search/searchengine.h"
#include "storage/filesystem.h"

#include <QFile>

#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// The chapter the prefix names ("Psalms 119:").
scripture::ChapterPlace placeOf(const char* prefix) {
    const QString named = QString::fromLatin1(prefix).chopped(1);
    const qsizetype space = named.lastIndexOf(u' ');
    return {named.left(space), named.sliced(space + 1).toInt()};
}

void warm(benchmark::State& state, const char* prefix, int times) {
    FileSystem files;
    ScriptureText scripture(files, benchTextPath(times));
    if (!scripture.refresh())
        state.SkipWithError("Bible.dat not found");
    for (auto _ : state)
        benchmark::DoNotOptimize(scripture.chapter(placeOf(prefix)));
}

void cold(benchmark::State& state, const char* prefix, int times) {
    FileSystem files;
    for (auto _ : state) {
        ScriptureText scripture(files, benchTextPath(times));
        benchmark::DoNotOptimize(scripture.chapter(placeOf(prefix)));
    }
}

void naiveRescan(benchmark::State& state, const char* prefix, int times) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            naive::chapterText(benchTextPath(times), QString::fromLatin1(prefix)));
}

// What every request pays to know the file is unchanged.
void refreshUnchanged(benchmark::State& state) {
    FileSystem files;
    ScriptureText scripture(files, benchBiblePath());
    for (auto _ : state)
        benchmark::DoNotOptimize(scripture.refresh());
}

qint64 residentBytes() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
}

qint64 heapBytes() {
#if defined(__GLIBC__)
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
#else
    return 0;
#endif
}

// The memory held by the text kept in memory after it served a chapter, a search that lists
// 12 lines and one that lists every line, per byte of the file: the heap in use, and the
// resident pages (Linux).
void memory(benchmark::State& state, int times) {
    FileSystem files;
    for (auto _ : state) {
        const qint64 heapBefore = heapBytes();
        const qint64 residentBefore = residentBytes();
        ScriptureText scripture(files, benchTextPath(times));
        benchmark::DoNotOptimize(scripture.chapter(placeOf("Genesis 1:")));
        for (const char* query : {"love one another", "3:99"}) {
            const search::Outcome outcome =
                search::run(scripture.text(), QString::fromLatin1(query));
            benchmark::DoNotOptimize(search::resultLines(scripture.text(), outcome.lines));
        }
        const double size = double(scripture.text().size());
        state.counters["heap_per_byte"] = double(heapBytes() - heapBefore) / size;
        state.counters["resident_per_byte"] = double(residentBytes() - residentBefore) / size;
    }
}

const bool registered = [] {
    for (const int times : kBenchSizes) {
        benchmark::RegisterBenchmark((std::string("memory/") + benchSizeName(times)).c_str(),
                                     memory, times)
            ->Iterations(1);
    }
    for (const int times : kBenchSizes) {
        const std::string size = benchSizeName(times);
        for (const char* name : {"Psalms119", "Genesis1"}) {
            const char* prefix = std::string(name) == "Psalms119" ? "Psalms 119:" : "Genesis 1:";
            const std::string base = std::string(name) + "/" + size + "/";
            benchmark::RegisterBenchmark((base + "warm").c_str(), warm, prefix, times)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark((base + "cold").c_str(), cold, prefix, times)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark((base + "naive_rescan").c_str(), naiveRescan, prefix,
                                         times)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    benchmark::RegisterBenchmark("refresh_unchanged", refreshUnchanged)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace

VELLUMARK_BENCHMARK_MAIN();
