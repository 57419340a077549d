// A stored file's bytes as read (the code page, or UTF-8 after a byte-order mark) and split into
// lines, and text written back: no character may be lost on the way.
#include "fuzzinput.h"

#include "storage/filesystem.h"
#include "text/codepage.h"

#include <QStringList>

namespace {

// Lines end at LF, a CR just before it belonging to the break; a last line needs no break.
QStringList plainLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].endsWith(QLatin1Char('\r')))
            lines[i].chop(1);
    }
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Written and read back, a text is the same text.
void checkWrittenAndRead(const QString& text) {
    const QByteArray stored = FileSystem::encode(text);
    FUZZ_REQUIRE(FileSystem::decode(stored) == text);
    if (codepage::fitsWindows1252(text)) {
        FUZZ_REQUIRE(codepage::encodeWindows1252Replacing(text) ==
                     codepage::encodeWindows1252(text));
        FUZZ_REQUIRE(codepage::decodeWindows1252(codepage::encodeWindows1252(text)) == text);
        FUZZ_REQUIRE(FileSystem::asWindows1252(stored) == codepage::encodeWindows1252(text));
    } else {
        // One question mark for each character that has no byte.
        FUZZ_REQUIRE(codepage::encodeWindows1252Replacing(text).size() == text.toUcs4().size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // Every byte is a character of its own and comes back as that byte.
    const QString single = codepage::decodeWindows1252(bytes);
    FUZZ_REQUIRE(single.size() == bytes.size());
    FUZZ_REQUIRE(codepage::fitsWindows1252(single));
    FUZZ_REQUIRE(codepage::encodeWindows1252(single) == bytes);

    const QString text = FileSystem::decode(bytes);
    // Read whole, QString::fromUtf8 drops the leading mark, and only that one.
    const bool utf8 = bytes.startsWith("\xEF\xBB\xBF");
    FUZZ_REQUIRE(text == (utf8 ? QString::fromUtf8(bytes) : single));
    FUZZ_REQUIRE(FileSystem::splitLines(text) == plainLines(text));

    checkWrittenAndRead(single);
    checkWrittenAndRead(text);
    checkWrittenAndRead(QString::fromUtf8(bytes));
    return 0;
}
