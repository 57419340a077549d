// The code page on the whole text at 1x and 10x: decoding the file's bytes and encoding the
// decoded text back, as the program does, beside the same done through a table of the code
// page's thirty-two bytes from 0x80 to 0x9F typed in by hand (the way the program once did it,
// kept here only as the reference).
#include "benchmain.h"
#include "text/codepage.h"

#include <array>
#include <string>

namespace {

namespace reference {

constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decode(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = QChar(code >= 0x80 && code < 0xA0 ? kHighTable[code - 0x80] : char16_t(code));
    }
    return text;
}

int byteFor(QChar ch) {
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return code;
    for (std::size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == code)
            return int(0x80 + i);
    }
    return -1;
}

QByteArray encode(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const int byte = byteFor(ch);
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
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
        state.SkipWithError("the file did not decode as by the table");
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
        add("decode/" + size + "/typed_table", decode<QString (*)(QByteArrayView)>, times,
            reference::decode);
        add("encode/" + size + "/program", encode<QByteArray (*)(QStringView)>, times,
            codepage::encodeWindows1252);
        add("encode/" + size + "/program_replacing", encode<QByteArray (*)(QStringView)>, times,
            codepage::encodeWindows1252Replacing);
        add("encode/" + size + "/typed_table", encode<QByteArray (*)(QStringView)>, times,
            reference::encode);
    }
    return true;
}();

} // namespace

VELLUMARK_BENCHMARK_MAIN();
