#include "search/searchengine.h"

#include "scripture/bookcatalogue.h"
#include "scripture/pagebuffer.h"
#include "scripture/verselines.h"
#include "search/bytefinder.h"
#include "text/spacetrim.h"

#include <algorithm>
#include <optional>

namespace search {
namespace {

using Runs = std::vector<VerseText::LineRun>;

static_assert(ByteFinder::kPadding <= VerseText::kPadding,
              "a finder may read past the end of the text");

Runs linesInScope(const VerseText& text, std::optional<int> book) {
    if (!book)
        return text.allLines();
    const auto books = scripture::catalogue();
    if (*book < 0 || std::size_t(*book) >= books.size())
        return {};
    return text.linesOfBook(QByteArrayView(books[std::size_t(*book)].name));
}

qsizetype lineCountOf(const Runs& runs) {
    qsizetype count = 0;
    for (const VerseText::LineRun& run : runs)
        count += run.last - run.first;
    return count;
}

// The lines of the runs that pass the test, in text order.
template <typename Test> LineList linesWhere(const Runs& runs, Test test) {
    LineList lines;
    for (const VerseText::LineRun& run : runs) {
        for (qsizetype line = run.first; line < run.last; ++line) {
            if (test(line))
                lines.push_back(quint32(line));
        }
    }
    return lines;
}

// The empty text is held by every line that is not empty itself.
LineList nonEmptyLines(const VerseText& text, const Runs& runs) {
    const qsizetype count = lineCountOf(runs);
    LineList lines;
    lines.reserve(std::size_t(count));
    prepareForFilling(lines.data(), count * qsizetype(sizeof(quint32)));
    for (const VerseText::LineRun& run : runs) {
        for (qsizetype line = run.first; line < run.last; ++line) {
            if (text.lineEnd(line) > text.lineStart(line))
                lines.push_back(quint32(line));
        }
    }
    return lines;
}

// A place a scan found the pattern at, and the line that holds it, from the line index: the
// scan moves forward through the text and so through the index, whose entries about the line
// the scan started at are near at hand.
struct Hit {
    qsizetype at = 0;
    qsizetype line = 0;
    qsizetype lineStart = 0;
    qsizetype lineEnd = 0; // before the line's break
};

// One pass over the bytes of each run, telling visit(hit) of each line that holds the pattern,
// and where it first lies in it. After a find the rest of its line needs no search, and a find
// that runs past the end of its line means no later place of that line can hold the pattern
// either: the search goes on at the next line.
template <typename Visit>
void forEachLineHolding(const VerseText& text, const Runs& runs, const ByteFinder& finder,
                        Visit visit) {
    const char* data = text.data();
    const qsizetype size = finder.pattern().size();
    for (const VerseText::LineRun& run : runs) {
        qsizetype line = run.first;
        finder.findEachPadded(data, text.lineStart(line), text.lineEnd(run.last - 1),
                              [&](qsizetype at) {
                                  line = text.lineAt(at, line);
                                  const Hit hit{at, line, text.lineStart(line), text.lineEnd(line)};
                                  if (at + size <= hit.lineEnd)
                                      visit(hit);
                                  ++line; // past the run's last line, a start past its end
                                  return text.lineStart(line);
                              });
    }
}

// Room for every line in scope, reserved at once: a common word's lines are not copied again at
// every doubling, and room never written takes no memory.
LineList roomForLinesOf(const Runs& runs) {
    LineList lines;
    lines.reserve(std::size_t(lineCountOf(runs)));
    return lines;
}

LineList linesHolding(const VerseText& text, const Runs& runs, const ByteFinder& finder) {
    LineList lines = roomForLinesOf(runs);
    forEachLineHolding(text, runs, finder,
                       [&](const Hit& hit) { lines.push_back(quint32(hit.line)); });
    return lines;
}

// The words of the all-words pass, the one whose scan is expected to stop at the fewest places
// first: the lines that hold it are the only ones the other words are looked for in.
struct AllWords {
    std::vector<ByteFinder> finders;

    AllWords(const VerseText& text, const std::vector<FoldedPattern>& words) {
        for (const FoldedPattern& word : words)
            finders.emplace_back(word, text.byteCounts());
        const qsizetype size = text.size();
        std::stable_sort(finders.begin(), finders.end(),
                         [size](const ByteFinder& a, const ByteFinder& b) {
                             return a.expectedCandidates(size) < b.expectedCandidates(size);
                         });
    }

    // Whether the line, which holds the first word, holds the others too: asked while the scan
    // for the first word has the line's bytes at hand.
    bool othersIn(const VerseText& text, const Hit& hit) const {
        if (finders.size() == 1)
            return true;
        return std::all_of(finders.begin() + 1, finders.end(), [&](const ByteFinder& finder) {
            return finder.findPadded(text.data(), hit.lineStart, hit.lineEnd) >= 0;
        });
    }
};

// The lines that hold every word: those that hold the first, narrowed as they are found.
LineList linesHoldingAll(const VerseText& text, const Runs& runs, const AllWords& allWords) {
    LineList lines = roomForLinesOf(runs);
    forEachLineHolding(text, runs, allWords.finders.front(), [&](const Hit& hit) {
        if (allWords.othersIn(text, hit))
            lines.push_back(quint32(hit.line));
    });
    return lines;
}

// The phrase holds every word of the query, so a line that holds the phrase holds the first
// word too: one scan for that word finds the lines of both passes. A phrase that matches from
// the line the scan started at up to the line's end lies within the line, as it holds no line
// feed (searchTerms). Wherever the phrase lies in a
// line, the word's first place in the phrase lies at one of the word's places in the line: each
// of those is tried once, however often the word recurs in the phrase.
struct LeadScan {
    LineList holdingAll; // complete only when no line holds the phrase
    LineList holdingPhrase;
};

LeadScan scanForWordsAndPhrase(const VerseText& text, const Runs& runs, const AllWords& allWords,
                               const FoldedPattern& phrase) {
    const ByteFinder& word = allWords.finders.front();
    const qsizetype offset = phrase.bytes().indexOf(word.pattern().bytes());
    const char* data = text.data();
    LeadScan scan{roomForLinesOf(runs), roomForLinesOf(runs)};
    forEachLineHolding(text, runs, word, [&](const Hit& hit) {
        // A line that holds the phrase holds every word: one that lacks a word is passed over
        // without looking for the word's later places in it.
        if (!allWords.othersIn(text, hit))
            return;
        // Once the phrase is found the words' lines are not shown.
        if (scan.holdingPhrase.empty())
            scan.holdingAll.push_back(quint32(hit.line));
        const qsizetype end = hit.lineEnd;
        for (qsizetype at = hit.at; at >= 0; at = word.findPadded(data, at + 1, end)) {
            const qsizetype start = at - offset;
            if (start >= hit.lineStart && start + phrase.size() <= end &&
                phrase.matchesAt(data + start)) {
                scan.holdingPhrase.push_back(quint32(hit.line));
                return;
            }
        }
    });
    return scan;
}

// A scan for the phrase first pays when its bytes are so much rarer than the first word's that
// the places it saves outweigh a second scan, for the word, when the phrase is nowhere.
bool phraseFirst(const ByteFinder& phrase, const ByteFinder& word, qsizetype size) {
    constexpr double kPlacesPerScanByte = 1.0 / 2048;
    return word.expectedCandidates(size) >
           2 * phrase.expectedCandidates(size) + kPlacesPerScanByte * double(size);
}

// Both passes, a line at a time: each line decoded and folded whole. For a text whose bytes do
// not fold in place, and a pattern no probe can test.
Outcome searchLineByLine(const VerseText& text, const Runs& runs, const QString& prepared,
                         const QStringList& words) {
    const auto foldedLine = [&](qsizetype line) {
        return folded(text.decodedLine(line), text.encoding());
    };
    const bool phraseWritable = text.encoded(prepared).has_value();
    Outcome outcome;
    if (phraseWritable) {
        outcome.lines = linesWhere(runs, [&](qsizetype line) {
            return text.lineEnd(line) > text.lineStart(line) && foldedLine(line).contains(prepared);
        });
    }
    outcome.foundByPhrase = !outcome.lines.empty();
    if (outcome.foundByPhrase)
        return outcome;
    outcome.lines = linesWhere(runs, [&](qsizetype line) {
        if (text.lineEnd(line) == text.lineStart(line))
            return false;
        const QString folded = foldedLine(line);
        return std::all_of(words.begin(), words.end(),
                           [&](const QString& word) { return folded.contains(word); });
    });
    return outcome;
}

bool scannable(const Terms& terms) {
    const auto probed = [](const FoldedPattern& pattern) { return pattern.canBeProbed(); };
    return (!terms.phrase || probed(*terms.phrase)) &&
           std::all_of(terms.words.begin(), terms.words.end(), probed);
}

bool isAsciiDigit(QChar character) {
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

bool isWordCharacter(char32_t character, TextEncoding encoding) {
    if (encoding == TextEncoding::Windows1252)
        return character >= 'A' && character <= 'Z';
    return QChar::isLetter(character) || QChar::isMark(character);
}

} // namespace

QString preparedQuery(const QString& query, TextEncoding encoding) {
    return folded(text::spaceTrimmed(query), encoding);
}

QStringList queryWords(const QString& prepared, TextEncoding encoding) {
    QStringList words;
    qsizetype wordStart = 0;
    for (qsizetype at = 0; at < prepared.size();) {
        const bool pair = at + 1 < prepared.size() && prepared[at].isHighSurrogate() &&
                          prepared[at + 1].isLowSurrogate();
        const char32_t character =
            pair ? QChar::surrogateToUcs4(prepared[at], prepared[at + 1]) : prepared[at].unicode();
        const qsizetype next = at + (pair ? 2 : 1);
        if (!isWordCharacter(character, encoding)) {
            if (at > wordStart)
                words.append(prepared.sliced(wordStart, at - wordStart));
            wordStart = next;
        }
        at = next;
    }
    if (!prepared.isEmpty())
        words.append(prepared.sliced(wordStart)); // empty after a trailing separator
    return words;
}

// A word repeated however often is looked for once.
Terms searchTerms(const QString& prepared, TextEncoding encoding) {
    Terms terms;
    if (!prepared.contains(QLatin1Char('\n'))) // no line holds a line feed
        terms.phrase = FoldedPattern::of(prepared, encoding);
    const QStringList words = queryWords(prepared, encoding);
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i].isEmpty() || words.indexOf(words[i]) < i)
            continue;
        if (terms.phrase && words[i].size() == prepared.size()) { // the query is this one word
            terms.words.push_back(*terms.phrase);
            continue;
        }
        if (std::optional<FoldedPattern> pattern = FoldedPattern::of(words[i], encoding))
            terms.words.push_back(std::move(*pattern));
    }
    return terms;
}

std::optional<scripture::Reference> referenceIn(const QString& query, std::optional<int> book) {
    const QString trimmed = text::spaceTrimmed(query);
    // Every reference but a whole book's names a chapter in digits: without one, it is words.
    if (std::none_of(trimmed.begin(), trimmed.end(), isAsciiDigit))
        return std::nullopt;
    const std::optional<scripture::Reference> named = scripture::parseReference(trimmed);
    if (named && named->kind() != scripture::Reference::Kind::WholeBook)
        return named;
    if (!book || trimmed.isEmpty() || !trimmed.front().isDigit())
        return std::nullopt;
    const QString inBook =
        QLatin1String(scripture::catalogue()[std::size_t(*book)].name) + QLatin1Char(' ') + trimmed;
    const std::optional<scripture::Reference> verses = scripture::parseReference(inBook);
    if (verses && verses->book == *book && verses->kind() == scripture::Reference::Kind::Verses)
        return verses;
    return std::nullopt;
}

Outcome run(const VerseText& text, const QString& query, std::optional<int> book) {
    if (const std::optional<scripture::Reference> reference = referenceIn(query, book))
        return {scripture::linesOf(text, *reference), false, true};
    const QString prepared = preparedQuery(query, text.encoding());
    const Runs runs = linesInScope(text, book);
    Outcome outcome;
    if (prepared.isEmpty()) {
        outcome.lines = nonEmptyLines(text, runs);
        return outcome;
    }
    const Terms terms = searchTerms(prepared, text.encoding());
    if (!text.foldsInPlace() || !scannable(terms)) {
        QStringList words;
        for (const FoldedPattern& word : terms.words)
            words.append(text.decoded(word.bytes()));
        return searchLineByLine(text, runs, prepared, words);
    }
    // A query of one word is its own phrase: the lines that hold it are both passes' lines.
    if (terms.phrase && terms.words.size() == 1 &&
        terms.words.front().bytes() == terms.phrase->bytes()) {
        outcome.lines = linesHolding(text, runs, ByteFinder(*terms.phrase, text.byteCounts()));
        outcome.foundByPhrase = !outcome.lines.empty();
        return outcome;
    }
    const AllWords allWords(text, terms.words);
    LineList phraseLines;
    std::optional<LineList> allWordsLines; // when the phrase's scan found them
    if (terms.phrase) {
        const ByteFinder phraseFinder(*terms.phrase, text.byteCounts());
        if (allWords.finders.empty() ||
            phraseFirst(phraseFinder, allWords.finders.front(), text.size())) {
            phraseLines = linesHolding(text, runs, phraseFinder);
        } else {
            LeadScan scan = scanForWordsAndPhrase(text, runs, allWords, *terms.phrase);
            phraseLines = std::move(scan.holdingPhrase);
            allWordsLines = std::move(scan.holdingAll);
        }
    }
    if (!phraseLines.empty()) {
        outcome.lines = std::move(phraseLines);
        outcome.foundByPhrase = true;
        return outcome;
    }
    if (allWords.finders.empty())
        outcome.lines = nonEmptyLines(text, runs);
    else
        outcome.lines =
            allWordsLines ? std::move(*allWordsLines) : linesHoldingAll(text, runs, allWords);
    return outcome;
}

QStringList resultLines(const VerseText& text, const LineList& lines) {
    QStringList decoded;
    decoded.reserve(qsizetype(lines.size()));
    for (const qsizetype line : lines)
        decoded.append(text.decodedLine(line));
    return decoded;
}

} // namespace search
