#include "text/generaldate.h"

QString generalDateText(const QDateTime& moment, const QLocale& locale) {
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(moment.time(), QLocale::LongFormat);
}
