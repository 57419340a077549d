#include "naivesearch.h"

#include "scripture/uppercase.h"

#include <QRegularExpression>

namespace naive {
namespace {

// A text is held by a line when it occurs anywhere in it; the empty text by any non-empty line.
bool holds(const QString& line, const QString& text) {
    return !line.isEmpty() && line.contains(text);
}

bool inScope(const QString& line, const QString& scope) {
    return scope == QStringLiteral("The Bible") || line.startsWith(scope);
}

QString trimSpaces(QString text) {
    while (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// The runs of capital letters A to Z, and an empty word last when a separator ends the query.
QStringList wordList(const QString& query) {
    static const QRegularExpression separators(QStringLiteral("[^A-Z]+"));
    QStringList words = query.split(separators, Qt::SkipEmptyParts);
    if (query.back() < QLatin1Char('A') || query.back() > QLatin1Char('Z'))
        words.append(QString());
    return words;
}

} // namespace

SearchOutcome search(const EachLine& forEachLine, const QString& query, const QString& scope) {
    SearchOutcome outcome;
    const QString upperQuery = scripture::upperCase(trimSpaces(query));
    forEachLine([&](const QString& line) {
        if (inScope(line, scope) && holds(scripture::upperCase(line), upperQuery)) {
            outcome.lines.append(line);
            outcome.found = true;
        }
    });
    if (outcome.found || upperQuery.isEmpty())
        return outcome;
    const QStringList words = wordList(upperQuery);
    outcome.found = true;
    forEachLine([&](const QString& line) {
        if (!inScope(line, scope))
            return;
        const QString upperLine = scripture::upperCase(line);
        outcome.found = true;
        for (const QString& word : words) {
            if (!holds(upperLine, word))
                outcome.found = false;
        }
        if (outcome.found)
            outcome.lines.append(line);
    });
    return outcome;
}

SearchOutcome search(const QStringList& lines, const QString& query, const QString& scope) {
    const EachLine eachLine = [&](const std::function<void(const QString&)>& visit) {
        for (const QString& line : lines)
            visit(line);
    };
    return search(eachLine, query, scope);
}

} // namespace naive
