#include "search/searchreadiness.h"

#include "scripture/booknames.h"
#include "search/searchplaceholders.h"
#include "text/exacttext.h"
#include "text/spacetrim.h"

namespace search {

std::optional<QString> queryWhenReady(const QString& query, const QString& book) {
    if (query == search::kSearchPrompt || book == search::kSelectBook)
        return std::nullopt;
    return text::spaceTrimmed(query);
}

std::optional<Scope> scopeNamed(const QString& boxText) {
    if (boxText == search::kTheBible)
        return Scope{};
    if (const std::optional<int> book = scripture::bookIndex(boxText))
        return Scope{book};
    return std::nullopt;
}

QString singleLineQuery(const QString& typed) {
    QString line;
    line.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size();) {
        const int width = ExactText::breakWidth(typed, i);
        const bool lineBreak = width > 0 || typed[i] == QChar::LineSeparator;
        line += lineBreak ? QChar(QLatin1Char(' ')) : typed[i];
        i += std::max(width, 1);
    }
    return line;
}

} // namespace search
