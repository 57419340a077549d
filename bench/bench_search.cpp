// The search at 1x and 10x the text, each figure beside its references in the same run: the
// engine on the text kept in memory (the result's line numbers handed on, as the search page
// does; and with every result line decoded besides), the first and the second search on a text
// just loaded, the lower bound (one plain scan of the same upper-cased bytes in scope for the
// whole query, by two rare bytes with the widest vector unit, and by memmem), and the literal
// search that rescans the file line by line and upper-cases each line. Besides, the byte finder
// alone with each vector unit this machine runs.
#include "benchmain.h"
#include "naivescan.h"
#include "plainscan.h"
#include "scripture/scripturetext.h"
#include "search/bytefinder.h"
#include "search/searchengine.h"
#include "shell/placeholders.h"
#include "storage/filesystem.h"
#include "text/codepage.h"

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

void engine(benchmark::State& state, Case c, int times) {
    FileSystem files;
    ScriptureText scripture(files, benchTextPath(times));
    if (!scripture.refresh())
        state.SkipWithError("Bible.dat not found");
    std::vector<qsizetype> shown;
    searchOnce(scripture, c, shown); // the first search is measured on its own
    qsizetype found = 0;
    for (auto _ : state)
        found = searchOnce(scripture, c, shown);
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

// A search on a text just read, after searchesBefore others on it: the load and the searches
// before are not timed. The first search (none before) is put beside a second one timed the
// same way, so what the timing around it costs, and what a load leaves behind in the caches,
// falls on both alike and the difference is the first search's own.
void afterLoad(benchmark::State& state, Case c, int times, int searchesBefore) {
    FileSystem files;
    qsizetype found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<ScriptureText> scripture(std::in_place, files, benchTextPath(times));
        if (!scripture->refresh())
            state.SkipWithError("Bible.dat not found");
        std::vector<qsizetype> shown;
        for (int i = 0; i < searchesBefore; ++i)
            searchOnce(*scripture, c, shown);
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
        for (qsizetype line = text.lineAt(range.first);
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
        for (const int times : kBenchSizes) {
            const std::string name = std::string(c.name) + "/" + benchSizeName(times) + "/";
            benchmark::RegisterBenchmark((name + "engine").c_str(), engine, c, times)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark((name + "engine_decoding_all").c_str(), engineDecodingAll,
                                         c, times)
                ->Unit(benchmark::kMicrosecond);
            for (const int before : {0, 1}) {
                const char* label = before == 0 ? "first_after_load" : "second_after_load";
                benchmark::RegisterBenchmark((name + label).c_str(), afterLoad, c, times, before)
                    ->Unit(benchmark::kMicrosecond)
                    ->Iterations(times == 10 ? 4 : 20);
            }
            benchmark::RegisterBenchmark((name + "lower_bound").c_str(), lowerBound, c, times)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark((name + "lower_bound_memmem").c_str(), lowerBoundMemmem, c,
                                         times)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark((name + "naive_rescan").c_str(), naiveRescan, c, times)
                ->Unit(benchmark::kMicrosecond);
            for (const auto unit : {ByteFinder::Unit::Bytes, ByteFinder::Unit::Sse2,
                                    ByteFinder::Unit::Avx2, ByteFinder::Unit::Avx512}) {
                if (!ByteFinder::runs(unit))
                    continue;
                for (const bool eachLine : {false, true}) {
                    const std::string what = eachLine ? "finder_lines_" : "finder_scan_";
                    benchmark::RegisterBenchmark((name + what + unitName(unit)).c_str(), finder, c,
                                                 times, unit, eachLine)
                        ->Unit(benchmark::kMicrosecond);
                }
            }
        }
    }
    return true;
}();

} // namespace

VELLUMARK_BENCHMARK_MAIN();
