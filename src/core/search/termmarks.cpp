#include "search/termmarks.h"

#include "scripture/uppercase.h"
#include "search/searchengine.h"

namespace search {

QStringList markedTerms(const QString& query, bool foundByPhrase) {
    const QString prepared = preparedQuery(query);
    if (foundByPhrase)
        return prepared.isEmpty() ? QStringList() : QStringList{prepared};
    QStringList words = queryWords(prepared);
    words.removeAll(QString());
    words.removeDuplicates();
    return words;
}

std::vector<std::pair<qsizetype, qsizetype>> termRanges(QStringView text,
                                                        const QStringList& terms) {
    const QString upper = scripture::upperCase(text);
    std::vector<std::pair<qsizetype, qsizetype>> ranges;
    for (const QString& term : terms) {
        for (qsizetype at = upper.indexOf(term); at >= 0; at = upper.indexOf(term, at + 1))
            ranges.emplace_back(at, term.size());
    }
    return ranges;
}

} // namespace search
