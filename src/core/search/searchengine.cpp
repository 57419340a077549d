#include "search/searchengine.h"

#include "scripture/pagebuffer.h"
#include "scripture/uppercase.h"
#include "search/bytefinder.h"
#include "shell/placeholders.h"
#include "text/codepage.h"
#include "text/spacetrim.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace search {
namespace {

using Runs = std::vector<VerseText::LineRun>;

bool isLetter(QChar ch) {
    return ch >= QLatin1Char('A') && ch <= QLatin1Char('Z');
}

Runs linesInScope(const VerseText& text, const QString& scope) {
    return scope == shell::kTheBible ? text.allLines()
                                     : text.linesBeginningWith(QStringView(scope));
}

bool isEmptyLine(const VerseText& text, qsizetype line) {
    return text.lineEnd(line) == text.lineStart(line);
}

// The empty text is held by every line that is not empty itself.
std::vector<qsizetype> nonEmptyLines(const VerseText& text, const Runs& runs) {
    qsizetype count = 0;
    for (const VerseText::LineRun& run : runs)
        count += run.last - run.first;
    std::vector<qsizetype> lines;
    lines.reserve(std::size_t(count));
    prepareForFilling(lines.data(), count * qsizetype(sizeof(qsizetype)));
    for (const VerseText::LineRun& run : runs) {
        for (qsizetype line = run.first; line < run.last; ++line) {
            if (!isEmptyLine(text, line))
                lines.push_back(line);
        }
    }
    return lines;
}

static_assert(ByteFinder::kPadding <= VerseText::kPadding,
              "a finder may read past the end of the upper-cased bytes");

// One pass over the upper-cased bytes of each run, telling visit(holding, at) of each line that
// holds the pattern, and where it first lies in it. After a find the rest of its line needs no
// search, and a find that runs past the end of its line means no later place of that line can
// hold the pattern either: the search goes on at the next line.
template <typename Visit>
void forEachLineHolding(const VerseText& text, const Runs& runs, const ByteFinder& finder,
                        Visit visit) {
    if (finder.nowhere())
        return;
    const char* upper = text.upperBytes().data();
    const qsizetype size = finder.pattern().size();
    for (const VerseText::LineRun& run : runs) {
        const qsizetype end = text.lineEnd(run.last - 1);
        qsizetype line = run.first;
        qsizetype from = text.lineStart(line);
        while (line < run.last) {
            const qsizetype at = finder.findPadded(upper, from, end);
            if (at < 0)
                break;
            const VerseText::LineHolding holding = text.lineHolding(at, from, line);
            if (at + size <= holding.end)
                visit(holding, at);
            line = holding.line + 1;
            from = holding.next;
        }
    }
}

std::vector<qsizetype> linesHolding(const VerseText& text, const Runs& runs,
                                    const ByteFinder& finder) {
    std::vector<qsizetype> lines;
    forEachLineHolding(text, runs, finder, [&](const VerseText::LineHolding& holding, qsizetype) {
        lines.push_back(holding.line);
    });
    return lines;
}

// The distinct non-empty words.
std::vector<QByteArray> distinctWords(const QStringList& words) {
    std::vector<QByteArray> distinct;
    for (const QString& word : words) {
        const QByteArray bytes = word.toLatin1();
        if (!bytes.isEmpty() &&
            std::find(distinct.begin(), distinct.end(), bytes) == distinct.end())
            distinct.push_back(bytes);
    }
    return distinct;
}

// The words of the all-words pass, the one whose scan is expected to stop at the fewest places
// first: the lines that hold it are the only ones the other words are looked for in.
struct AllWords {
    std::vector<QByteArray> words; // the finders look into these
    std::vector<ByteFinder> finders;

    AllWords(const VerseText& text, std::vector<QByteArray> distinct)
        : words(std::move(distinct)) {
        for (const QByteArray& word : words)
            finders.emplace_back(word, text.upperByteCounts());
        const qsizetype size = text.upperBytes().size();
        std::stable_sort(finders.begin(), finders.end(),
                         [size](const ByteFinder& a, const ByteFinder& b) {
                             return a.expectedCandidates(size) < b.expectedCandidates(size);
                         });
    }

    // Whether the line, which holds the first word, holds the others too: asked while the scan
    // for the first word has the line's bytes at hand.
    bool othersIn(const VerseText& text, const VerseText::LineHolding& holding) const {
        const char* upper = text.upperBytes().data();
        return std::all_of(finders.begin() + 1, finders.end(), [&](const ByteFinder& finder) {
            return finder.findPadded(upper, holding.start, holding.end) >= 0;
        });
    }
};

// The lines that hold every word: those that hold the first, narrowed as they are found.
std::vector<qsizetype> linesHoldingAll(const VerseText& text, const Runs& runs,
                                       const AllWords& allWords) {
    std::vector<qsizetype> lines;
    forEachLineHolding(text, runs, allWords.finders.front(),
                       [&](const VerseText::LineHolding& holding, qsizetype) {
                           if (allWords.othersIn(text, holding))
                               lines.push_back(holding.line);
                       });
    return lines;
}

// The phrase holds every word of the query, so a line that holds the phrase holds the first
// word too: one scan for that word finds the lines of both passes. Where the word lies in a
// line, the phrase can only lie where the word stands in it.
struct LeadScan {
    std::vector<qsizetype> holdingAll; // complete only when no line holds the phrase
    std::vector<qsizetype> holdingPhrase;
};

LeadScan scanForWordsAndPhrase(const VerseText& text, const Runs& runs, const AllWords& allWords,
                               QByteArrayView phrase) {
    const ByteFinder& word = allWords.finders.front();
    std::vector<qsizetype> offsets; // where the word stands in the phrase
    for (qsizetype at = phrase.indexOf(word.pattern()); at >= 0;
         at = phrase.indexOf(word.pattern(), at + 1))
        offsets.push_back(at);
    const char* upper = text.upperBytes().data();
    const auto phraseAt = [&](qsizetype start, const VerseText::LineHolding& holding) {
        return start >= holding.start && start + phrase.size() <= holding.end &&
               std::memcmp(upper + start, phrase.data(), std::size_t(phrase.size())) == 0;
    };
    LeadScan scan;
    forEachLineHolding(text, runs, word, [&](const VerseText::LineHolding& holding, qsizetype at) {
        // Once the phrase is found the words' lines are not shown: no need to narrow further.
        if (scan.holdingPhrase.empty() && allWords.othersIn(text, holding))
            scan.holdingAll.push_back(holding.line);
        for (; at >= 0; at = word.findPadded(upper, at + 1, holding.end)) {
            for (const qsizetype offset : offsets) {
                if (phraseAt(at - offset, holding)) {
                    scan.holdingPhrase.push_back(holding.line);
                    return;
                }
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

} // namespace

QString preparedQuery(const QString& query) {
    return scripture::upperCase(text::spaceTrimmed(query));
}

QStringList queryWords(const QString& prepared) {
    QStringList words;
    QString word;
    for (const QChar ch : prepared) {
        if (isLetter(ch)) {
            word += ch;
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!prepared.isEmpty())
        words.append(word); // empty after a trailing separator
    return words;
}

Outcome run(const VerseText& text, const QString& query, const QString& scope) {
    const QString prepared = preparedQuery(query);
    const Runs runs = linesInScope(text, scope);
    Outcome outcome;
    if (prepared.isEmpty()) {
        outcome.lines = nonEmptyLines(text, runs);
        return outcome;
    }
    Terms terms = searchTerms(prepared);
    const AllWords allWords(text, std::move(terms.words));
    std::vector<qsizetype> phraseLines;
    std::optional<std::vector<qsizetype>> allWordsLines; // when the phrase's scan found them
    if (terms.phrase) {
        const QByteArray& phrase = *terms.phrase;
        const ByteFinder phraseFinder(phrase, text.upperByteCounts());
        if (allWords.finders.empty() ||
            phraseFirst(phraseFinder, allWords.finders.front(), text.upperBytes().size())) {
            phraseLines = linesHolding(text, runs, phraseFinder);
        } else {
            LeadScan scan = scanForWordsAndPhrase(text, runs, allWords, phrase);
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

Terms searchTerms(const QString& prepared) {
    Terms terms;
    if (codepage::fitsWindows1252(prepared)) // no line holds a character outside the code page
        terms.phrase = codepage::encodeWindows1252(prepared);
    terms.words = distinctWords(queryWords(prepared));
    return terms;
}

QStringList resultLines(const VerseText& text, const std::vector<qsizetype>& lines) {
    QStringList decoded;
    decoded.reserve(qsizetype(lines.size()));
    for (const qsizetype line : lines)
        decoded.append(text.decodedLine(line));
    return decoded;
}

} // namespace search
