// BkMrk.dat and Pref.dat as read at start-up: the input is the file.
#include "fuzzinput.h"

#include "bookmark/bookmarkrecord.h"
#include "prefs/preferencesrecord.h"
#include "storage/filesystem.h"

#include <QStringList>

#include <cmath>
#include <limits>

namespace {

// The caret offset by the stated rules: plain digits, surrounding white space allowed, and
// anything else is 0; too large a number stops at the end of the int range.
int plainCaretOffset(const QString& text) {
    const QString digits = text.trimmed();
    qint64 value = 0;
    for (const QChar ch : digits) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return 0;
        value =
            std::min<qint64>(value * 10 + (ch.unicode() - u'0'), std::numeric_limits<int>::max());
    }
    return int(value);
}

bool holdsBreak(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = FileSystem::splitLines(
        FileSystem::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));

    const bookmark::Position position = bookmark::parse(lines);
    FUZZ_REQUIRE(position.book == lines.value(0));
    FUZZ_REQUIRE(position.chapter == lines.value(1));
    FUZZ_REQUIRE(position.caretOffset == plainCaretOffset(lines.value(2)));
    FUZZ_REQUIRE(position.caretOffset == bookmark::parseCaretOffset(lines.value(2)));
    // What is saved reads back the same, as long as a name holds no line break.
    if (!holdsBreak(position.book) && !holdsBreak(position.chapter)) {
        const QString saved =
            bookmark::format(position.book, position.chapter, position.caretOffset);
        const bookmark::Position read =
            bookmark::parse(FileSystem::splitLines(FileSystem::decode(FileSystem::encode(saved))));
        FUZZ_REQUIRE(read.book == position.book);
        FUZZ_REQUIRE(read.chapter == position.chapter);
        FUZZ_REQUIRE(read.caretOffset == position.caretOffset);
    }

    const preferences::FontRequest request = preferences::requestFromLines(lines);
    FUZZ_REQUIRE(request.family.has_value() == !lines.isEmpty());
    FUZZ_REQUIRE(!request.pointSize ||
                 (*request.pointSize > 0.0 && std::isfinite(*request.pointSize)));
    FUZZ_REQUIRE(request.pointSize == preferences::parseSize(lines.value(2)) || lines.size() < 3);
    FUZZ_REQUIRE(request.bold == lines.value(1).contains(QLatin1String("Bold")));
    FUZZ_REQUIRE(request.italic == lines.value(1).contains(QLatin1String("Italic")));
    return 0;
}
