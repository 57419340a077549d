#include "search/searchsummary.h"

#include "search/searchplaceholders.h"

QString search::statusBeforeSearch(const QString& book) {
    return book == search::kSelectBook ? kChooseWhereHint : QString();
}

QString search::unknownScopeSummary(const QString& boxText) {
    return QStringLiteral("There is no book named \u201C%1\u201D to search.").arg(boxText);
}

QString search::foundSummary(qsizetype found, const QString& query) {
    if (found == 0)
        return QStringLiteral("No verse holds \u201C%1\u201D").arg(query);
    return found == 1 ? QStringLiteral("1 verse") : QStringLiteral("%1 verses").arg(found);
}
