// A stored file's bytes as read (the code page, or UTF-8 after a byte-order mark) and split into
// lines, and text written back: no character may be lost on the way.
#include "fuzzinput.h"

#include "storage/filesystem.h"
#include "text/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Every byte is a character of its own and comes back as that byte.
    const QString single = codepage::decodeWindows1252(bytes);
    FUZZ_REQUIRE(single.size() == bytes.size() && codepage::encodeWindows1252(single) == bytes);
    // Read whole, QString::fromUtf8 drops the leading mark, and only that one.
    const QString text = FileSystem::decode(bytes);
    FUZZ_REQUIRE(text == (bytes.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(bytes) : single));
    FUZZ_REQUIRE(FileSystem::splitLines(text) == plainLines(text));
    for (const QString& each : {single, text, QString::fromUtf8(bytes)}) {
        FUZZ_REQUIRE(FileSystem::decode(FileSystem::encode(each)) == each);
        if (codepage::fitsWindows1252(each))
            FUZZ_REQUIRE(codepage::decodeWindows1252(codepage::encodeWindows1252(each)) == each);
        else // one question mark for each character that has no byte
            FUZZ_REQUIRE(codepage::encodeWindows1252Replacing(each).size() == each.toUcs4().size());
    }
    return 0;
}
