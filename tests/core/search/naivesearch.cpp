#include "naivesearch.h"

#include "scripture/uppercase.h"

#include <QRegularExpression>

#include <algorithm>

namespace naive {
namespace {

// A text is held by a line when it occurs anywhere in it; the empty text by any non-empty line.
bool holds(const QString& line, const QString& text) {
    return !line.isEmpty() && line.contains(text);
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
    static const QRegularExpression outerSpaces(QStringLiteral("^ +| +$"));
    const QString upperQuery = scripture::upperCase(QString(query).remove(outerSpaces));
    const auto matching = [&](const std::function<bool(const QString& upperLine)>& test) {
        SearchOutcome outcome;
        forEachLine([&](const QString& line) {
            if ((scope == QStringLiteral("The Bible") || line.startsWith(scope)) &&
                test(scripture::upperCase(line)))
                outcome.lines.append(line);
        });
        return outcome;
    };
    SearchOutcome outcome =
        matching([&](const QString& upperLine) { return holds(upperLine, upperQuery); });
    if (!outcome.lines.isEmpty() || upperQuery.isEmpty())
        return outcome;
    const QStringList words = wordList(upperQuery);
    return matching([&](const QString& upperLine) {
        return std::all_of(words.begin(), words.end(),
                           [&](const QString& word) { return holds(upperLine, word); });
    });
}

SearchOutcome search(const QStringList& lines, const QString& query, const QString& scope) {
    return search(
        [&](const std::function<void(const QString&)>& visit) {
            for (const QString& line : lines)
                visit(line);
        },
        query, scope);
}

} // namespace naive
