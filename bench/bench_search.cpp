// The search over the whole text, warm: the engine on the text kept in memory (results made
// into the list's lines), the literal search that rescans the file line by line and
// upper-cases each line, and a lower bound: one scan of the file's bytes for a 16-byte pattern.
#include "benchmain.h"
#include "naivesearch.h"
#include "scripture/scripturetext.h"
#include "search/searchengine.h"
#include "storage/filesystem.h"

#include <string_view>

namespace {

void BM_SearchEngine(benchmark::State& state, const char* query, const char* scope) {
    FileSystem files;
    ScriptureText scripture(files, benchBiblePath());
    if (!scripture.refresh())
        state.SkipWithError("Bible.dat not found");
    scripture.lines(); // decoded once, as after the first search
    qsizetype found = 0;
    for (auto _ : state) {
        scripture.refresh(); // what every search does: the file is unchanged
        const search::Outcome outcome =
            search::run(scripture.text(), QString::fromUtf8(query), QString::fromUtf8(scope));
        const QStringList lines = search::resultLines(scripture.text(), outcome.lines);
        found = lines.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = double(found);
}

void BM_SearchNaiveRescan(benchmark::State& state, const char* query, const char* scope) {
    qsizetype found = 0;
    for (auto _ : state) {
        const naive::SearchOutcome outcome =
            naive::search(benchBiblePath(), QString::fromUtf8(query), QString::fromUtf8(scope));
        found = outcome.lines.size();
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["lines"] = double(found);
}

// "love one anotheX": 16 bytes beginning with a common letter, found nowhere, so the whole
// file is scanned.
void BM_LowerBoundFind16(benchmark::State& state) {
    FileSystem files;
    const QByteArray bytes = files.readBytes(benchBiblePath()).bytes;
    const std::string_view text(bytes.constData(), std::size_t(bytes.size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(text.find("love one anotheX"));
}

} // namespace

#define SEARCH_CASE(name, query, scope)                                                            \
    BENCHMARK_CAPTURE(BM_SearchEngine, name, query, scope)->Unit(benchmark::kMicrosecond);         \
    BENCHMARK_CAPTURE(BM_SearchNaiveRescan, name, query, scope)->Unit(benchmark::kMicrosecond)

SEARCH_CASE(phrase_love_one_another, "love one another", "The Bible");
SEARCH_CASE(words_another_love_one, "another love one", "The Bible");
SEARCH_CASE(reference_John_3_16, "John 3:16", "The Bible");
SEARCH_CASE(every_line_3_99, "3:99", "The Bible");
SEARCH_CASE(love_in_Genesis, "love", "Genesis");
BENCHMARK(BM_LowerBoundFind16)->Unit(benchmark::kMicrosecond);

VELLUMARK_BENCHMARK_MAIN();
