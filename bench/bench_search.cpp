// The search at 1x, 10x and 100x the text, each figure beside its references in the same run:
// the engine on the text kept in memory (the result's line numbers handed on, as the search page
// does; with the scope looked up in every iteration, as every search does), the same with the
// processor's caches emptied before each search, the first search on a text just loaded (beside
// the engine's warm loop), the scope lookup alone, the floor (one read of the bytes in scope:
// memchr for a byte the text lacks) and the lower bound (one plain scan of the same upper-cased
// bytes in scope for the whole query, by two rare bytes with the widest vector unit, and by
// memmem). At 1x and 10x besides: the engine decoding every result line, the literal search that
// rescans the file line by line and upper-cases each line (only a check of correctness: it
// decodes every line), and the byte finder alone with each vector unit this machine runs.
#include "benchmain.h"
#include "naivescan.h"
#include "plainscan.h"
#include "scripture/scripturetext.h"
#include "search/bytefinder.h"
#include "search/searchengine.h"
#include "shell/placeholders.h"
#include "storage/filesystem.h"
#include "text/codepage.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

namespace {

struct Case {
    const char* name;
    const char* query;
    const char* scope;
};

constexpr Case kCases[] = {
    {"phrase_love_one_another", "love one another", "The Bible"},
    {"words_another_love_one", "another love one", "The Bible"},
    {"reference_John_3_16", "John 3:16", "The Bible"},
    {"every_line_3_99", "3:99", "The Bible"},
    {"love_in_Genesis", "love", "Genesis"},
};

// What every search from the search page does: make sure the text is current, search, and hand
// the result's line numbers to the list, which decodes only the lines it shows. The list keeps
// the last search's lines until new ones replace them, so those are still held while the next
// are found.
qsizetype searchOnce(ScriptureText& scripture, const Case& c, std::vector<qsizetype>& shown) {
    scripture.refresh(); // the file is unchanged
    search::Outcome outcome =
        search::run(scripture.text(), QString::fromUtf8(c.query), QString::fromUtf8(c.scope));
    benchmark::DoNotOptimize(outcome.lines.data());
    shown = std::move(outcome.lines);
    return qsizetype(shown.size());
}

// cold: the processor's caches emptied before each search, so the text comes from memory.
void engine(benchmark::State& state, Case c, int times, bool cold) {
    FileSystem files;
    ScriptureText scripture(files, benchTextPath(times));
    if (!scripture.refresh())
        state.SkipWithError("Bible.dat not found");
    std::vector<qsizetype> shown;
    searchOnce(scripture, c, shown); // the first search is measured on its own
    qsizetype found = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            evictFromProcessorCaches();
            state.ResumeTiming();
        }
        found = searchOnce(scripture, c, shown);
    }
    state.counters["lines"] = double(found);
}

// The engine with every result line decoded as well, as a list that held all its lines as text
// would need them.
void engineDecodingAll(benchmark::State& state, Case c, int times) {
    FileSystem files;
    ScriptureText scripture(files, benchTextPath(times));
    if (!scripture.refresh())
        state.SkipWithError("Bible.dat not found");
    QStringList shown;
    qsizetype found = 0;
    for (auto _ : state) {
        scripture.refresh();
        const search::Outcome outcome =
            search::run(scripture.text(), QString::fromUtf8(c.query), QString::fromUtf8(c.scope));
        QStringList lines = search::resultLines(scripture.text(), outcome.lines);
        benchmark::DoNotOptimize(lines.constData());
        shown = std::move(lines);
        found = shown.size();
    }
    state.counters["lines"] = double(found);
}

// The first search on a text just read: the load is not timed. Put beside the engine's warm
// loop, the difference is what a first search costs over any other.
void firstAfterLoad(benchmark::State& state, Case c, int times) {
    FileSystem files;
    qsizetype found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<ScriptureText> scripture(std::in_place, files, benchTextPath(times));
        if (!scripture->refresh())
            state.SkipWithError("Bible.dat not found");
        std::vector<qsizetype> shown;
        state.ResumeTiming();
        found = searchOnce(*scripture, c, shown);
        state.PauseTiming();
        shown.clear();
        scripture.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = double(found);
}

// The byte ranges in scope, as the engine's scope lookup finds them.
std::vector<std::pair<qsizetype, qsizetype>> scopeRanges(const VerseText& text, const Case& c) {
    const QString scope = QString::fromUtf8(c.scope);
    const auto runs =
        scope == shell::kTheBible ? text.allLines() : text.linesBeginningWith(QStringView(scope));
    std::vector<std::pair<qsizetype, qsizetype>> ranges;
    for (const VerseText::LineRun& run : runs)
        ranges.emplace_back(text.lineStart(run.first), text.lineEnd(run.last - 1));
    return ranges;
}

// The whole query, as the phrase pass matches it.
QByteArray upperPattern(const Case& c) {
    return codepage::encodeWindows1252(search::preparedQuery(QString::fromUtf8(c.query)));
}

template <typename Scan> void plainScan(benchmark::State& state, Case c, int times, Scan scan) {
    FileSystem files;
    const VerseText text(files.readBytes(benchTextPath(times)).bytes);
    const QByteArray pattern = upperPattern(c);
    const auto ranges = scopeRanges(text, c);
    const char* upper = text.upperBytes().data();
    qsizetype found = 0;
    for (auto _ : state) {
        found = 0;
        for (const auto& [from, end] : ranges)
            found += scan(upper, from, end, pattern, text.upperByteCounts());
        benchmark::DoNotOptimize(found);
    }
    state.counters["places"] = double(found);
}

// The scope looked up alone, as every search begins.
void scopeLookup(benchmark::State& state, Case c, int times) {
    FileSystem files;
    const VerseText text(files.readBytes(benchTextPath(times)).bytes);
    qsizetype ranges = 0;
    for (auto _ : state) {
        ranges = qsizetype(scopeRanges(text, c).size());
        benchmark::DoNotOptimize(ranges);
    }
    state.counters["ranges"] = double(ranges);
}

// One read of the bytes in scope and no more: memchr for a byte the text does not hold.
void readFloor(benchmark::State& state, Case c, int times) {
    plainScan(state, c, times,
              [](const char* text, qsizetype from, qsizetype end, QByteArrayView,
                 const std::array<qsizetype, 256>& counts) {
                  const auto absent =
                      int(std::find(counts.begin(), counts.end(), 0) - counts.begin());
                  return std::memchr(text + from, absent, std::size_t(end - from)) ? 1 : 0;
              });
}

void lowerBound(benchmark::State& state, Case c, int times) {
    const plainscan::Unit unit = plainscan::widestUnit();
    state.SetLabel(plainscan::unitName(unit));
    plainScan(state, c, times,
              [unit](const char* text, qsizetype from, qsizetype end, QByteArrayView pattern,
                     const std::array<qsizetype, 256>& counts) {
                  return plainscan::count(unit, text, from, end, pattern, counts);
              });
}

void lowerBoundMemmem(benchmark::State& state, Case c, int times) {
    plainScan(state, c, times,
              [](const char* text, qsizetype from, qsizetype end, QByteArrayView pattern,
                 const std::array<qsizetype, 256>&) {
                  return plainscan::countMemmem(text, from, end, pattern);
              });
}

const char* unitName(ByteFinder::Unit unit) {
    switch (unit) {
    case ByteFinder::Unit::Avx512:
        return "avx512";
    case ByteFinder::Unit::Avx2:
        return "avx2";
    case ByteFinder::Unit::Sse2:
        return "sse2";
    case ByteFinder::Unit::Bytes:
        break;
    }
    return "bytes";
}

// The finder for the whole query with the given unit, over the text in scope: every place of the
// query found by padded finds, each going on from the last (the long scans of the engine's pass
// over a run), or one padded find in each line in scope (the short ones that narrow lines down).
void finder(benchmark::State& state, Case c, int times, ByteFinder::Unit unit, bool eachLine) {
    FileSystem files;
    const VerseText text(files.readBytes(benchTextPath(times)).bytes);
    const QByteArray pattern = upperPattern(c);
    const ByteFinder finder(pattern, text.upperByteCounts(), unit);
    const char* upper = text.upperBytes().data();
    std::vector<std::pair<qsizetype, qsizetype>> ranges;
    for (const auto& range : scopeRanges(text, c)) {
        if (!eachLine) {
            ranges.push_back(range);
            continue;
        }
        for (qsizetype line = text.lineHolding(range.first).line;
             line < text.lineCount() && text.lineStart(line) < range.second; ++line)
            ranges.emplace_back(text.lineStart(line), text.lineEnd(line));
    }
    qsizetype found = 0;
    for (auto _ : state) {
        found = 0;
        for (const auto& [from, end] : ranges) {
            for (qsizetype at = finder.findPadded(upper, from, end); at >= 0;
                 at = finder.findPadded(upper, at + 1, end))
                ++found;
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["places"] = double(found);
}

void naiveRescan(benchmark::State& state, Case c, int times) {
    qsizetype found = 0;
    for (auto _ : state) {
        const naive::SearchOutcome outcome = naive::search(
            benchTextPath(times), QString::fromUtf8(c.query), QString::fromUtf8(c.scope));
        found = outcome.lines.size();
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["lines"] = double(found);
}

const bool registered = [] {
    for (const Case& c : kCases) {
        for (const int times : kBenchSizesUpToHundredfold) {
            const std::string name = std::string(c.name) + "/" + benchSizeName(times) + "/";
            const auto add = [&](const char* what, auto&&... arguments) {
                return benchmark::RegisterBenchmark((name + what).c_str(), arguments...)
                    ->Unit(benchmark::kMicrosecond);
            };
            add("engine", engine, c, times, false);
            // Emptying the caches takes far longer than a search: a fixed count of searches.
            add("engine_cold", engine, c, times, true)->Iterations(times == 100 ? 10 : 50);
            add("first_after_load", firstAfterLoad, c, times)
                ->Iterations(times == 1    ? 20
                             : times == 10 ? 4
                                           : 2);
            add("scope", scopeLookup, c, times);
            add("read_floor", readFloor, c, times);
            add("lower_bound", lowerBound, c, times);
            if (times == 100)
                continue;
            add("engine_decoding_all", engineDecodingAll, c, times);
            add("lower_bound_memmem", lowerBoundMemmem, c, times);
            add("naive_rescan", naiveRescan, c, times);
            for (const auto unit : {ByteFinder::Unit::Bytes, ByteFinder::Unit::Sse2,
                                    ByteFinder::Unit::Avx2, ByteFinder::Unit::Avx512}) {
                if (!vectorunit::runs(unit))
                    continue;
                for (const bool eachLine : {false, true}) {
                    const std::string what = eachLine ? "finder_lines_" : "finder_scan_";
                    add((what + unitName(unit)).c_str(), finder, c, times, unit, eachLine);
                }
            }
        }
    }
    return true;
}();

} // namespace

VELLUMARK_BENCHMARK_MAIN();
