// The search at 1x, 10x and 100x the text, in Windows-1252 and the same text in UTF-8, each
// figure beside its references in the same run: the engine on the text kept in memory (the
// result's line numbers handed on, as the search page does; with the book's lines looked up in
// every search, as every search does), at 1x the same from the search page (with the look at the
// file's times each search from the page makes first), the same with the processor's caches
// emptied before each search, the first search on a text just loaded (beside the engine's warm
// loop), the floor (one read of the bytes in scope: memchr for a byte the text lacks) and the
// bound: one plain scan, as written, for the term every search of the query must scan for, under
// the same case rule (plainscan.h), over the bytes in scope that any search listing the lines
// holding the term must look at: each line up to the term's first place in it (found before
// timing), the whole of a line without it. At 1x besides: the literal search that rescans the file
// line by line and folds each line (only a check of correctness: it decodes every line).
#include "benchmain.h"
#include "naivescan.h"
#include "plainscan.h"
#include "scripture/bookcatalogue.h"
#include "scripture/scripturetext.h"
#include "scripture/textfile.h"
#include "search/searchengine.h"
#include "storage/filesystem.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace {

struct Case {
    const char* name;
    const char* query;
    const char* book;  // empty: every book
    const char* bound; // the term whose scan bounds the search
};

// The phrase pass finds a phrase; the all-words pass scans for one word and narrows its lines
// by the others, the bound being a scan for the word it leads with; a rare word, a common word
// and a word in one book need one scan each.
constexpr Case kCases[] = {
    {"phrase_love_one_another", "love one another", "", "love one another"},
    {"words_another_love_one", "another love one", "", "love"},
    {"rare_word_Melchizedek", "Melchizedek", "", "Melchizedek"},
    {"common_word_lord", "lord", "", "lord"},
    {"love_in_Genesis", "love", "Genesis", "love"},
};

std::optional<int> bookOf(const Case& c) {
    return scripture::catalogueIndex(QString::fromUtf8(c.book));
}

// The search, and what the search page does with it: hand the result's line numbers to the
// list, which decodes only the lines it shows. The list keeps the last search's lines until new
// ones replace them, so those are still held while the next are found. The page first makes sure
// the text is current: one look at the file's times (a system call), measured on its own.
qsizetype searchOnce(ScriptureText& scripture, const Case& c, LineList& shown,
                     bool fromPage = false) {
    if (fromPage)
        scripture.refresh(); // the file is unchanged
    search::Outcome outcome = search::run(scripture.text(), QString::fromUtf8(c.query), bookOf(c));
    benchmark::DoNotOptimize(outcome.lines.data());
    shown = std::move(outcome.lines);
    return qsizetype(shown.size());
}

// One copy of each text, read once, which the engine and the scans it is measured against all
// search: the same bytes at the same places in memory. Where the system put a copy, on huge
// pages or on small ones, moved one benchmark's figure against another's by a third.
ScriptureText* sharedText(int times, BenchEncoding encoding) {
    static FileSystem files;
    static std::map<std::pair<int, BenchEncoding>, std::unique_ptr<ScriptureText>> texts;
    std::unique_ptr<ScriptureText>& text = texts[{times, encoding}];
    if (!text) {
        text = std::make_unique<ScriptureText>(files, benchTextPath(times, encoding));
        if (!text->refresh())
            return nullptr;
    }
    return text.get();
}

// cold: the processor's caches emptied before each search, so the text comes from memory.
void engine(benchmark::State& state, Case c, int times, BenchEncoding encoding, bool cold,
            bool fromPage) {
    ScriptureText* shared = sharedText(times, encoding);
    if (!shared) {
        state.SkipWithError("Bible.dat not found");
        return;
    }
    ScriptureText& scripture = *shared;
    LineList shown;
    searchOnce(scripture, c, shown); // the first search is measured on its own
    qsizetype found = 0;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            evictFromProcessorCaches();
            state.ResumeTiming();
        }
        found = searchOnce(scripture, c, shown, fromPage);
    }
    state.counters["lines"] = double(found);
}

// The first search on a text just read: the load is not timed. Put beside the engine's warm
// loop, the difference is what a first search costs over any other.
void firstAfterLoad(benchmark::State& state, Case c, int times, BenchEncoding encoding) {
    FileSystem files;
    qsizetype found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<ScriptureText> scripture(std::in_place, files,
                                               benchTextPath(times, encoding));
        if (!scripture->refresh())
            state.SkipWithError("Bible.dat not found");
        LineList shown;
        state.ResumeTiming();
        found = searchOnce(*scripture, c, shown, true);
        state.PauseTiming();
        shown.clear();
        scripture.reset();
        state.ResumeTiming();
    }
    state.counters["lines"] = double(found);
}

using Ranges = std::vector<std::pair<qsizetype, qsizetype>>;

// The runs of lines in scope, as the engine finds them.
std::vector<VerseText::LineRun> scopeRuns(const VerseText& text, const Case& c) {
    const std::optional<int> book = bookOf(c);
    return book ? text.linesOfBook(scripture::catalogue()[std::size_t(*book)].name)
                : text.allLines();
}

// The bytes in scope, a stretch a run.
Ranges scopeRanges(const VerseText& text, const Case& c) {
    Ranges ranges;
    for (const VerseText::LineRun& run : scopeRuns(text, c))
        ranges.emplace_back(text.lineStart(run.first), text.lineEnd(run.last - 1));
    return ranges;
}

// The first place of the line where the pattern lies, or -1; by trying every byte, as this is
// worked out before timing.
qsizetype firstPlaceIn(const VerseText& text, qsizetype line, const FoldedPattern& pattern) {
    for (qsizetype at = text.lineStart(line); at + pattern.size() <= text.lineEnd(line); ++at) {
        if (pattern.matchesAt(text.data() + at))
            return at;
    }
    return -1;
}

// The bytes any search must look at to list the lines that hold the pattern: every line up to
// the end of the pattern's first place in it, or the whole line where it lies nowhere. The rest of
// a line that holds it need not be looked at, and the engine does not. Lines without it in a row
// make one stretch, which ends where the pattern is found.
// searching: each stretch runs on to the end of its run of lines instead, as for a search, which
// does not know where the pattern lies and finds that out from the bytes.
Ranges bytesToLookAt(const VerseText& text, const Case& c, const FoldedPattern& pattern,
                     bool searching = false) {
    Ranges ranges;
    for (const VerseText::LineRun& run : scopeRuns(text, c)) {
        const qsizetype runEnd = text.lineEnd(run.last - 1);
        qsizetype from = -1;
        for (qsizetype line = run.first; line < run.last; ++line) {
            if (from < 0)
                from = text.lineStart(line);
            if (const qsizetype at = firstPlaceIn(text, line, pattern); at >= 0) {
                ranges.emplace_back(from, searching ? runEnd : at + pattern.size());
                from = -1;
            }
        }
        if (from >= 0)
            ranges.emplace_back(from, runEnd);
    }
    return ranges;
}

struct ScanInput {
    const VerseText* text = nullptr;
    std::optional<FoldedPattern> pattern;
    std::array<qsizetype, 256> counts{};
};

ScanInput scanInput(const Case& c, int times, BenchEncoding encoding) {
    ScanInput input;
    input.text = &sharedText(times, encoding)->text();
    input.pattern = FoldedPattern::of(
        search::folded(QString::fromUtf8(c.bound), input.text->encoding()), input.text->encoding());
    for (qsizetype at = 0; at < input.text->size(); ++at)
        ++input.counts[static_cast<unsigned char>(input.text->data()[at])];
    return input;
}

template <typename Scan> void timeScan(benchmark::State& state, const Ranges& ranges, Scan scan) {
    qsizetype found = 0;
    for (auto _ : state) {
        found = 0;
        for (const auto& [from, end] : ranges)
            found += scan(from, end);
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = double(found);
}

// One read of the bytes in scope and no more: memchr for a byte the text does not hold.
void readFloor(benchmark::State& state, Case c, int times, BenchEncoding encoding) {
    const ScanInput input = scanInput(c, times, encoding);
    const auto absent =
        int(std::find(input.counts.begin(), input.counts.end(), 0) - input.counts.begin());
    const char* data = input.text->data();
    timeScan(state, scopeRanges(*input.text, c), [&](qsizetype from, qsizetype end) {
        return std::memchr(data + from, absent, std::size_t(end - from)) ? 1 : 0;
    });
}

// searching: each stretch searched from its start until the pattern is found, as a search that
// lists lines must, which does not know where the pattern lies; it is told for nothing where the
// line after each find starts.
void bound(benchmark::State& state, Case c, int times, BenchEncoding encoding, bool searching) {
    const plainscan::Unit unit = plainscan::widestUnit();
    state.SetLabel(plainscan::unitName(unit));
    const ScanInput input = scanInput(c, times, encoding);
    const FoldedPattern& pattern = *input.pattern;
    const plainscan::Probes probes = plainscan::rarestPlaces(pattern, input.counts);
    const char* data = input.text->data();
    timeScan(state, bytesToLookAt(*input.text, c, pattern, searching),
             [&](qsizetype from, qsizetype end) {
                 return searching
                            ? (plainscan::holds(unit, data, from, end, pattern, probes) ? 1 : 0)
                            : plainscan::count(unit, data, from, end, pattern, probes);
             });
}

void naiveRescan(benchmark::State& state, Case c, int times) {
    qsizetype found = 0;
    for (auto _ : state) {
        const naive::SearchOutcome outcome = naive::search(
            benchTextPath(times), QString::fromUtf8(c.query), QString::fromUtf8(c.book));
        found = outcome.lines.size();
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["lines"] = double(found);
}

const bool registered = [] {
    for (const Case& c : kCases) {
        for (const BenchEncoding encoding : {BenchEncoding::Windows1252, BenchEncoding::Utf8}) {
            for (const int times : kBenchSizesUpToHundredfold) {
                const std::string name = std::string(c.name) + "/" + benchEncodingName(encoding) +
                                         "/" + benchSizeName(times) + "/";
                const auto add = [&](const char* what, auto&&... arguments) {
                    return benchmark::RegisterBenchmark((name + what).c_str(), arguments...)
                        ->Unit(benchmark::kMicrosecond);
                };
                add("engine", engine, c, times, encoding, false, false);
                if (times == 1)
                    add("from_page", engine, c, times, encoding, false, true);
                add("bound", bound, c, times, encoding, false);
                add("bound_searching", bound, c, times, encoding, true);
                add("read_floor", readFloor, c, times, encoding);
                if (times == 100)
                    continue;
                // Emptying the caches takes far longer than a search: a fixed count of searches.
                add("engine_cold", engine, c, times, encoding, true, false)->Iterations(50);
                add("first_after_load", firstAfterLoad, c, times, encoding)
                    ->Iterations(times == 1 ? 20 : 4);
                if (times == 1 && encoding == BenchEncoding::Windows1252)
                    add("naive_rescan", naiveRescan, c, times);
            }
        }
    }
    return true;
}();

} // namespace

VELLUMARK_BENCHMARK_MAIN();
