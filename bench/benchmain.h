#pragma once

#include <QFileInfo>
#include <QString>

#include <benchmark/benchmark.h>

// The benchmarks read the Bible.dat that the build puts beside them.
inline QString& benchBiblePath() {
    static QString path;
    return path;
}

#define VELLUMARK_BENCHMARK_MAIN()                                                                 \
    int main(int argc, char** argv) {                                                              \
        benchBiblePath() = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() +             \
                           QStringLiteral("/Bible.dat");                                           \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
