#include "text/generaldate.h"

namespace {

bool isBracket(QChar c) {
    return c == QLatin1Char('(') || c == QLatin1Char('[');
}

bool closes(QChar open, QChar c) {
    return (open == QLatin1Char('(') && c == QLatin1Char(')')) ||
           (open == QLatin1Char('[') && c == QLatin1Char(']'));
}

// The time format without its time-zone field ("t", "tt", ...), with the space that set it
// apart and any brackets left empty around it; quoted text is kept as it is.
QString withoutTimeZone(const QString& format) {
    QString kept;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) {
            kept += c;
            continue;
        }
        while (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('t'))
            ++i;
        if (!kept.isEmpty() && isBracket(kept.back()) && i + 1 < format.size() &&
            closes(kept.back(), format.at(i + 1))) {
            kept.chop(1);
            ++i;
        }
        if (!kept.isEmpty() && kept.back().isSpace()) {
            while (!kept.isEmpty() && kept.back().isSpace())
                kept.chop(1);
        } else {
            while (i + 1 < format.size() && format.at(i + 1).isSpace())
                ++i;
        }
    }
    return kept.trimmed();
}

} // namespace

QString text::generalDateText(const QDateTime& moment, const QLocale& locale) {
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}
