#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstring>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>

// The benchmarks read the Bible.dat that the build puts beside them, and texts ten and a hundred
// times as long made from it when first asked for: the file written over and over, one copy
// after the other, into a temporary folder. Every book, chapter and verse then lies ten or a
// hundred times in the text, so each chapter and each search lists that many times the lines of
// the real text: the figures grow with every part of the work (the scan, the lines listed, the
// chapter built), which is what shows whether a cost is linear. Varying the book names instead
// would grow the text but not what one request lists.
inline QString& benchBiblePath() {
    static QString path;
    return path;
}

inline QTemporaryDir& benchFolder() {
    static QTemporaryDir folder;
    return folder;
}

// How the texts are written: as Bible.dat is, in Windows-1252, or the same text in UTF-8 after
// its byte-order mark, of nearly the same size.
enum class BenchEncoding { Windows1252, Utf8 };

// Writes the text that many times over into the folder; empty when it cannot.
inline QString writeCopies(int times, BenchEncoding encoding = BenchEncoding::Windows1252) {
    QFile source(benchBiblePath());
    if (!benchFolder().isValid() || !source.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = source.readAll();
    const bool utf8 = encoding == BenchEncoding::Utf8;
    if (utf8)
        bytes = QString(QStringDecoder("windows-1252")(bytes)).toUtf8();
    const QString path = benchFolder().filePath(
        QStringLiteral("Bible%1x%2.dat").arg(times).arg(utf8 ? "-utf8" : ""));
    QFile target(path);
    if (!target.open(QIODevice::WriteOnly))
        return {};
    if (utf8 && target.write("\xEF\xBB\xBF") != 3)
        return {};
    for (int copy = 0; copy < times; ++copy) {
        if (target.write(bytes) != bytes.size())
            return {};
    }
    target.close();
    // A file written within the file times' grain is read again on every refresh; an installed
    // file's times have long settled, so wait until these have too.
    QThread::msleep(2100);
    return path;
}

// The text for 1, 10 or 100 times the length of the real one, written the first time it is
// asked for (so a run filtered to the smaller sizes never writes the largest).
inline const QString& benchTextPath(int times,
                                    BenchEncoding encoding = BenchEncoding::Windows1252) {
    static std::map<std::pair<int, BenchEncoding>, QString> paths;
    if (times == 1 && encoding == BenchEncoding::Windows1252)
        return benchBiblePath();
    auto [it, made] = paths.try_emplace({times, encoding});
    if (made)
        it->second = writeCopies(times, encoding);
    return it->second;
}

inline std::string benchEncodingName(BenchEncoding encoding) {
    return encoding == BenchEncoding::Utf8 ? "utf8" : "cp1252";
}

inline std::string benchSizeName(int times) {
    return std::to_string(times) + "x";
}

constexpr std::initializer_list<int> kBenchSizes = {1, 10};
// The largest size too, for what is cheap enough to run on a text of some 460 MB.
constexpr std::initializer_list<int> kBenchSizesUpToHundredfold = {1, 10, 100};

// Out of the page cache, so that the next read of the file comes from the disk (Linux; clean
// pages only, which a file only read has).
inline void evictFromPageCache(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_DONTNEED);
}

// Out of the processor's caches: writing a block larger than the last level's leaves no line of
// anything read before in them.
inline void evictFromProcessorCaches() {
    static std::vector<char> block(std::size_t(128) << 20);
    static char round = 0;
    std::memset(block.data(), ++round, block.size());
    benchmark::ClobberMemory();
}

#define VELLUMARK_BENCHMARK_MAIN()                                                                 \
    int main(int argc, char** argv) {                                                              \
        benchBiblePath() = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() +             \
                           QStringLiteral("/Bible.dat");                                           \
        if (benchTextPath(10).isEmpty())                                                           \
            return 1;                                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
