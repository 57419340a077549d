#include "favorites/versefinder.h"

QString lookupResultText(const QStringList& verses) {
    QString result;
    for (const QString& verse : verses)
        result += QLatin1Char(' ') + verse;
    if (result.isEmpty())
        return QStringLiteral("No search results were found.");
    return result;
}
