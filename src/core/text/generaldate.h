#pragma once

#include <QDateTime>
#include <QLocale>

// A moment as the locale writes it in general: its short date, a space, its long time. The
// time leaves out the time zone that some locales' long time names: a date stamped into a
// verse list reads as the clock on the wall.
namespace text {

QString generalDateText(const QDateTime& moment, const QLocale& locale = QLocale());

} // namespace text
