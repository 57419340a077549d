#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <initializer_list>

// The benchmarks read the Bible.dat that the build puts beside them, and a text ten times as
// long made from it at start-up: the file written ten times over, one copy after the other.
// Every book, chapter and verse then lies ten times in the text, so each chapter and each
// search lists ten times the lines of the real text: the 10x figure grows with every part of
// the work (the scan, the lines listed, the chapter built), which is what shows whether a cost
// is linear. Varying the book names instead would grow the text but not what one request lists.
inline QString& benchBiblePath() {
    static QString path;
    return path;
}

inline QString& benchTenfoldPath() {
    static QString path;
    return path;
}

// The text for 1 or 10 times the length of the real one.
inline const QString& benchTextPath(int times) {
    return times == 10 ? benchTenfoldPath() : benchBiblePath();
}

inline const char* benchSizeName(int times) {
    return times == 10 ? "10x" : "1x";
}

constexpr std::initializer_list<int> kBenchSizes = {1, 10};

// Writes the tenfold text into the folder and remembers where; false when it cannot.
inline bool writeTenfoldText(const QTemporaryDir& folder) {
    QFile source(benchBiblePath());
    if (!folder.isValid() || !source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    benchTenfoldPath() = folder.filePath(QStringLiteral("Bible10x.dat"));
    QFile target(benchTenfoldPath());
    if (!target.open(QIODevice::WriteOnly))
        return false;
    for (int copy = 0; copy < 10; ++copy) {
        if (target.write(bytes) != bytes.size())
            return false;
    }
    target.close();
    // A file written within the file times' grain is read again on every refresh; an installed
    // file's times have long settled, so wait until these have too.
    QThread::msleep(2100);
    return true;
}

#define VELLUMARK_BENCHMARK_MAIN()                                                                 \
    int main(int argc, char** argv) {                                                              \
        benchBiblePath() = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() +             \
                           QStringLiteral("/Bible.dat");                                           \
        const QTemporaryDir folder;                                                                \
        if (!writeTenfoldText(folder))                                                             \
            return 1;                                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
