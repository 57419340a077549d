#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What must hold for every input. A failure aborts, so libFuzzer keeps the input as a crash
// and a wrong answer is found like a crash.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The input as the fields a reader is handed: lines up to a line feed, then the rest as a file,
// so a seed reads like what a user types above the file it comes from.
struct FuzzInput {
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest(reinterpret_cast<const char*>(data), qsizetype(size)) {}

    QByteArrayView line() {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        return line;
    }
    QString textLine() { return QString::fromUtf8(line()); } // typed: any text, as a box holds
    QByteArrayView rest;
};

// Lines end at LF, a CR just before it belonging to the break; a last line needs no break.
inline QStringList plainLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (&line != &lines.last() && line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
