#include "search/termmarks.h"

#include "search/searchengine.h"

namespace search {

QStringList markedTerms(const QString& query, const Outcome& found, TextEncoding encoding) {
    if (found.byReference)
        return {};
    const QString prepared = preparedQuery(query, encoding);
    if (found.foundByPhrase)
        return prepared.isEmpty() ? QStringList() : QStringList{prepared};
    QStringList words = queryWords(prepared, encoding);
    words.removeAll(QString());
    words.removeDuplicates();
    return words;
}

std::vector<std::pair<qsizetype, qsizetype>> termRanges(QStringView text, const QStringList& terms,
                                                        TextEncoding encoding) {
    const QString upper = folded(text, encoding);
    std::vector<std::pair<qsizetype, qsizetype>> ranges;
    for (const QString& term : terms) {
        for (qsizetype at = upper.indexOf(term); at >= 0; at = upper.indexOf(term, at + 1))
            ranges.emplace_back(at, term.size());
    }
    return ranges;
}

} // namespace search
