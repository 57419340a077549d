// Loading a chapter: from the text kept in memory, from a cold start (the file read and
// indexed first), and by rescanning the file line by line for every request.
#include "benchmain.h"
#include "naivescan.h"
#include "scripture/scripturetext.h"
#include "storage/filesystem.h"

namespace {

void BM_ChapterWarm(benchmark::State& state, const char* prefix) {
    FileSystem files;
    ScriptureText scripture(files, benchBiblePath());
    if (!scripture.refresh())
        state.SkipWithError("Bible.dat not found");
    for (auto _ : state)
        benchmark::DoNotOptimize(scripture.chapterText(QString::fromLatin1(prefix)));
}

// What every request pays to know the file is unchanged.
void BM_RefreshUnchanged(benchmark::State& state) {
    FileSystem files;
    ScriptureText scripture(files, benchBiblePath());
    for (auto _ : state)
        benchmark::DoNotOptimize(scripture.refresh());
}

void BM_ChapterCold(benchmark::State& state, const char* prefix) {
    FileSystem files;
    for (auto _ : state) {
        ScriptureText scripture(files, benchBiblePath());
        benchmark::DoNotOptimize(scripture.chapterText(QString::fromLatin1(prefix)));
    }
}

void BM_ChapterNaiveRescan(benchmark::State& state, const char* prefix) {
    for (auto _ : state)
        benchmark::DoNotOptimize(naive::chapterText(benchBiblePath(), QString::fromLatin1(prefix)));
}

} // namespace

BENCHMARK_CAPTURE(BM_ChapterWarm, Psalms119, "Psalms 119:")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChapterWarm, Genesis1, "Genesis 1:")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefreshUnchanged)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChapterCold, Psalms119, "Psalms 119:")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChapterCold, Genesis1, "Genesis 1:")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChapterNaiveRescan, Psalms119, "Psalms 119:")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ChapterNaiveRescan, Genesis1, "Genesis 1:")->Unit(benchmark::kMicrosecond);

VELLUMARK_BENCHMARK_MAIN();
