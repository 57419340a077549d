// The search over a Bible.dat made of the input, with the query and the book box's text typed
// above it ("*" for every book): the lines found are those a plain reading of the rules finds.
#include "fuzzinput.h"

#include "scripture/uppercase.h"
#include "scripture/versetext.h"
#include "search/searchengine.h"
#include "shell/placeholders.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <vector>

static std::vector<qsizetype> plainSearch(const QStringList& lines, const QString& query,
                                          const QString& scope) {
    static const QRegularExpression spacesAround(QStringLiteral("^ +| +$"));
    const QString prepared = scripture::upperCase(QString(query).remove(spacesAround));
    std::vector<qsizetype> inScope, phrase, allWords;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (!lines[i].isEmpty() && (scope == placeholders::kTheBible || lines[i].startsWith(scope)))
            inScope.push_back(i);
    // The words are the runs of A to Z; any other character ends one.
    const QStringList words =
        prepared.split(QRegularExpression(QStringLiteral("[^A-Z]+")), Qt::SkipEmptyParts);
    for (const qsizetype line : inScope) {
        const QString upper = scripture::upperCase(lines[line]);
        if (upper.contains(prepared))
            phrase.push_back(line);
        if (std::all_of(words.begin(), words.end(),
                        [&](const QString& w) { return upper.contains(w); }))
            allWords.push_back(line);
    }
    return !phrase.empty() || prepared.isEmpty() ? phrase : allWords;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString query = input.textLine();
    QString scope = input.textLine();
    if (scope == QLatin1String("*"))
        scope = placeholders::kTheBible;
    const VerseText text{input.rest().toByteArray()};
    QStringList lines;
    for (qsizetype line = 0; line < text.lineCount(); ++line)
        lines.append(text.decodedLine(line));

    const search::Outcome outcome = search::run(text, query, scope);
    FUZZ_REQUIRE(outcome.lines == plainSearch(lines, query, scope));
    const QStringList found = search::resultLines(text, outcome.lines);
    for (std::size_t i = 0; i < outcome.lines.size(); ++i)
        FUZZ_REQUIRE(found[qsizetype(i)] == lines[outcome.lines[i]]);
    return 0;
}
