// BkMrk.dat and Pref.dat as read at start-up: the input is the file.
#include "fuzzinput.h"

#include "bookmark/bookmarkrecord.h"
#include "prefs/preferencesrecord.h"
#include "storage/filesystem.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList lines = FileSystem::splitLines(
        FileSystem::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));

    const bookmark::Position position = bookmark::parse(lines);
    FUZZ_REQUIRE(position.caretOffset >= 0);
    // What is saved reads back the same, as long as a name holds no line break.
    const QString names = position.book + position.chapter;
    if (!names.contains(u'\r') && !names.contains(u'\n')) {
        const bookmark::Position read =
            bookmark::parse(FileSystem::splitLines(FileSystem::decode(FileSystem::encode(
                bookmark::format(position.book, position.chapter, position.caretOffset)))));
        FUZZ_REQUIRE(read.book == position.book && read.chapter == position.chapter &&
                     read.caretOffset == position.caretOffset);
    }

    const prefs::FontRequest request = prefs::requestFromLines(lines);
    FUZZ_REQUIRE(request.family.has_value() == !lines.isEmpty());
    FUZZ_REQUIRE(!request.pointSize ||
                 (*request.pointSize > 0.0 && std::isfinite(*request.pointSize)));
    return 0;
}
