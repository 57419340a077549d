#include "search/searchengine.h"

#include "scripture/uppercase.h"
#include "search/bytefinder.h"
#include "shell/placeholders.h"
#include "text/codepage.h"
#include "text/spacetrim.h"

#include <algorithm>

namespace search {
namespace {

using Runs = std::vector<VerseText::LineRun>;

bool isLetter(QChar ch) {
    return ch >= QLatin1Char('A') && ch <= QLatin1Char('Z');
}

Runs linesInScope(const VerseText& text, const QString& scope) {
    return scope == placeholders::kTheBible ? text.allLines()
                                            : text.linesBeginningWith(QStringView(scope));
}

bool isEmptyLine(const VerseText& text, qsizetype line) {
    return text.lineEnd(line) == text.lineStart(line);
}

// The empty text is held by every line that is not empty itself.
std::vector<qsizetype> nonEmptyLines(const VerseText& text, const Runs& runs) {
    std::vector<qsizetype> lines;
    for (const VerseText::LineRun& run : runs) {
        for (qsizetype line = run.first; line < run.last; ++line) {
            if (!isEmptyLine(text, line))
                lines.push_back(line);
        }
    }
    return lines;
}

bool lineHolds(const VerseText& text, qsizetype line, const ByteFinder& finder) {
    return finder.find(text.upperBytes().data(), text.lineStart(line), text.lineEnd(line)) >= 0;
}

// One pass over the upper-cased bytes of each run. After a find the rest of its line needs no
// search, and a find that runs past the end of its line means no later place of that line can
// hold the pattern either: the search goes on at the next line.
std::vector<qsizetype> linesHolding(const VerseText& text, const Runs& runs,
                                    const ByteFinder& finder) {
    std::vector<qsizetype> lines;
    if (finder.nowhere())
        return lines;
    const char* upper = text.upperBytes().data();
    const qsizetype size = finder.pattern().size();
    for (const VerseText::LineRun& run : runs) {
        const qsizetype end = text.lineEnd(run.last - 1);
        qsizetype line = run.first;
        qsizetype from = text.lineStart(line);
        while (line < run.last) {
            const qsizetype at = finder.find(upper, from, end);
            if (at < 0)
                break;
            while (line + 1 < run.last && text.lineStart(line + 1) <= at)
                ++line;
            if (at + size <= text.lineEnd(line))
                lines.push_back(line);
            if (++line < run.last)
                from = text.lineStart(line);
        }
    }
    return lines;
}

std::vector<qsizetype> phrasePass(const VerseText& text, const Runs& runs,
                                  const QString& prepared) {
    if (prepared.isEmpty())
        return nonEmptyLines(text, runs);
    if (!codepage::fitsWindows1252(prepared))
        return {}; // no line holds a character outside the code page
    const QByteArray pattern = codepage::encodeWindows1252(prepared);
    return linesHolding(text, runs, ByteFinder(pattern, text.upperByteCounts()));
}

// The distinct non-empty words, longest first: a long word tends to narrow the lines most.
std::vector<QByteArray> distinctWords(const QStringList& words) {
    std::vector<QByteArray> distinct;
    for (const QString& word : words) {
        const QByteArray bytes = word.toLatin1();
        if (!bytes.isEmpty() &&
            std::find(distinct.begin(), distinct.end(), bytes) == distinct.end())
            distinct.push_back(bytes);
    }
    std::stable_sort(distinct.begin(), distinct.end(),
                     [](const QByteArray& a, const QByteArray& b) { return a.size() > b.size(); });
    return distinct;
}

struct AllWords {
    std::vector<QByteArray> words; // the finders look into these
    std::vector<ByteFinder> finders;

    AllWords(const VerseText& text, const QStringList& queryWords)
        : words(distinctWords(queryWords)) {
        for (const QByteArray& word : words)
            finders.emplace_back(word, text.upperByteCounts());
    }

    std::vector<qsizetype> lines(const VerseText& text, const Runs& runs) const {
        if (finders.empty())
            return nonEmptyLines(text, runs);
        std::vector<qsizetype> lines = linesHolding(text, runs, finders.front());
        for (std::size_t i = 1; i < finders.size() && !lines.empty(); ++i) {
            std::erase_if(lines,
                          [&](qsizetype line) { return !lineHolds(text, line, finders[i]); });
        }
        return lines;
    }
};

} // namespace

QString preparedQuery(const QString& query) {
    return scripture::upperCase(spacetrim::trimmed(query));
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
    outcome.lines = phrasePass(text, runs, prepared);
    outcome.foundByPhrase = !outcome.lines.empty();
    if (outcome.foundByPhrase || prepared.isEmpty())
        return outcome;
    outcome.lines = AllWords(text, queryWords(prepared)).lines(text, runs);
    return outcome;
}

QStringList resultLines(const VerseText& text, const std::vector<qsizetype>& lines) {
    const QStringList& all = text.lines();
    QStringList result;
    result.reserve(qsizetype(lines.size()));
    for (const qsizetype line : lines)
        result.append(all.at(line));
    return result;
}

} // namespace search
