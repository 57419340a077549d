// The search over a Bible.dat made of the input, with the query and the book box's text typed
// above it: the lines found are those a plain reading of the rules finds.
#include "fuzzinput.h"

#include "scripture/uppercase.h"
#include "scripture/versetext.h"
#include "search/searchengine.h"
#include "shell/placeholders.h"

#include <QStringList>

#include <vector>

namespace {

QString withoutSpacesAround(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// The runs of A to Z in the query; any other character ends one.
QStringList wordsOf(const QString& prepared) {
    QStringList words;
    QString word;
    for (const QChar ch : prepared + QLatin1Char(' ')) {
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z')) {
            word += ch;
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    return words;
}

std::vector<qsizetype> plainSearch(const QStringList& lines, const QString& query,
                                   const QString& scope) {
    const QString prepared = scripture::upperCase(withoutSpacesAround(query));
    std::vector<qsizetype> inScope;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines[i].isEmpty() && (scope == placeholders::kTheBible || lines[i].startsWith(scope)))
            inScope.push_back(i);
    }
    std::vector<qsizetype> found;
    for (const qsizetype line : inScope) {
        if (scripture::upperCase(lines[line]).contains(prepared))
            found.push_back(line);
    }
    if (!found.empty() || prepared.isEmpty())
        return found;
    const QStringList words = wordsOf(prepared);
    for (const qsizetype line : inScope) {
        const QString upper = scripture::upperCase(lines[line]);
        bool all = true;
        for (const QString& word : words)
            all = all && upper.contains(word);
        if (all)
            found.push_back(line);
    }
    return found;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString query = input.textLine();
    QString scope = input.textLine();
    if (scope == QLatin1String("*"))
        scope = placeholders::kTheBible; // the book box's item for every book
    const VerseText text{input.rest().toByteArray()};

    const search::Outcome outcome = search::run(text, query, scope);
    FUZZ_REQUIRE(outcome.lines == plainSearch(text.lines(), query, scope));
    const QStringList found = search::resultLines(text, outcome.lines);
    for (std::size_t i = 0; i < outcome.lines.size(); ++i)
        FUZZ_REQUIRE(found[qsizetype(i)] == text.lines()[outcome.lines[i]]);
    return 0;
}
