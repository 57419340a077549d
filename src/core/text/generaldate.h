#pragma once

#include <QDateTime>
#include <QLocale>

// A moment as the locale writes it in general: its short date, a space, its long time.
QString generalDateText(const QDateTime& moment, const QLocale& locale = QLocale());
