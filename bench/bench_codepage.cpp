// The code page on the whole text at 1x and 10x: decoding the file's bytes and encoding the
// decoded text back, as the program does with its own table, beside the same done by Qt's codec
// for the code page (ICU's).
#include "benchmain.h"
#include "text/codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <string>

namespace {

namespace reference {

// Qt's codec for the code page, opened once, as the program read its files before it had its own
// table.
QString decode(QByteArrayView bytes) {
    static QStringDecoder codec("windows-1252");
    codec.resetState();
    return codec.decode(bytes);
}

QByteArray encode(QStringView text) {
    static QStringEncoder codec("windows-1252");
    codec.resetState();
    return codec.encode(text);
}

} // namespace reference

QByteArray fileBytes(int times) {
    QFile file(benchTextPath(times));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename Decode> void decode(benchmark::State& state, int times, Decode decodeBytes) {
    const QByteArray bytes = fileBytes(times);
    if (bytes.isEmpty())
        state.SkipWithError("Bible.dat not found");
    else if (decodeBytes(bytes) != reference::decode(bytes))
        state.SkipWithError("the file did not decode as by the codec");
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeBytes(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

template <typename Encode> void encode(benchmark::State& state, int times, Encode encodeText) {
    const QByteArray bytes = fileBytes(times);
    if (bytes.isEmpty())
        state.SkipWithError("Bible.dat not found");
    const QString text = reference::decode(bytes);
    for (auto _ : state) {
        const QByteArray encoded = encodeText(text);
        if (encoded != bytes)
            state.SkipWithError("the text did not encode back to the file's bytes");
        benchmark::DoNotOptimize(encoded.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

const bool registered = [] {
    for (const int times : kBenchSizes) {
        const std::string size = benchSizeName(times);
        const auto add = [](const std::string& name, auto function, auto... arguments) {
            benchmark::RegisterBenchmark(name.c_str(), function, arguments...)
                ->Unit(benchmark::kMicrosecond);
        };
        add("decode/" + size + "/program", decode<QString (*)(QByteArrayView)>, times,
            codepage::decodeWindows1252);
        add("decode/" + size + "/qt_codec", decode<QString (*)(QByteArrayView)>, times,
            reference::decode);
        add("encode/" + size + "/program", encode<QByteArray (*)(QStringView)>, times,
            codepage::encodeWindows1252);
        add("encode/" + size + "/qt_codec", encode<QByteArray (*)(QStringView)>, times,
            reference::encode);
    }
    return true;
}();

} // namespace

VELLUMARK_BENCHMARK_MAIN();
