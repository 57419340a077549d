// The file layer's stored files. The first line names a file the user put in the Verses folder,
// beside a save's leftover; the second is text added to a subject whose file holds the rest,
// which is also read as BkMrk.dat and Pref.dat are at start-up.
#include "fuzzinput.h"

#include "bookmark/bookmarkrecord.h"
#include "favorites/subjectfiles.h"
#include "prefs/preferencesrecord.h"
#include "storage/storedtext.h"
#include "text/codepage.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // In memory where the system offers it: a save's syncs cost nothing there.
    static const QTemporaryDir dir((QFileInfo("/dev/shm").isDir() ? "/dev/shm" : QDir::tempPath()) +
                                   "/fuzz_storedfiles-XXXXXX");
    static FileSystem files;
    static SubjectFiles store(files, dir.path());
    FuzzInput input(data, size);
    const QString name = input.textLine();
    const QString added = input.textLine();

    // Only a save's own leftovers are unlisted and removed, whatever a file's name; a subject that
    // fits the folder saves, never over a file it did not know of unless that holds the same.
    const QString path = dir.filePath(name), leftover = dir.filePath(".vellumark-0Ld5Ve");
    QFile file(path);
    const bool made = !name.contains(u'/') && !name.contains(QChar(0)) && name != u"." &&
                      name != u".." && file.open(QIODevice::WriteOnly);
    file.close();
    QFile(leftover).open(QIODevice::WriteOnly);
    const bool users = made && !FileSystem::isLeftoverName(name);
    FUZZ_REQUIRE(store.subjectNames() ==
                 (users ? QStringList{QString(name).remove(".txt")} : QStringList()));
    files.removeLeftoverSaves(dir.path(), std::chrono::seconds(0));
    FUZZ_REQUIRE(QFileInfo(path).isFile() == users && !QFile::exists(leftover));
    QFile::remove(path);
    if (SubjectFiles::isSafeName(name)) {
        const bool saved = store.save(name, "saved", {}).status == SubjectFiles::Saved::Written;
        using Saved = SubjectFiles::Saved;
        FUZZ_REQUIRE(saved == store.fitsFolder(name) &&
                     (!saved || (store.save(name, "new", {}).status == Saved::ChangedElsewhere &&
                                 store.save(name, "saved", {}).status == Saved::Written &&
                                 store.remove(name).ok)));
    }

    // Bytes read as the code page, or UTF-8 after a byte-order mark (QString::fromUtf8 drops the
    // mark, and only that one), and split into lines; no character is lost writing them back.
    const QByteArray bytes = input.rest.toByteArray();
    const QString single = codepage::decodeWindows1252(bytes);
    const StoredText stored(bytes);
    const bool utf8 = bytes.startsWith(FileSystem::kUtf8ByteOrderMark);
    if (!utf8 || QByteArrayView(bytes).sliced(3).isValidUtf8())
        FUZZ_REQUIRE(stored.text() == (utf8 ? QString::fromUtf8(bytes) : single));
    FUZZ_REQUIRE(FileSystem::splitLines(stored.text()) == plainLines(stored.text()));
    for (const QString& each : {single, stored.text(), QString::fromUtf8(bytes)}) {
        FUZZ_REQUIRE(FileSystem::decode(FileSystem::encode(each)) == each);
        // one question mark for each character that has no byte
        FUZZ_REQUIRE(codepage::fitsWindows1252(each) ||
                     codepage::encodeWindows1252(each).size() == each.toUcs4().size());
    }

    // An edit is stored so that it reads back as the text shown, in the file's encoding, with
    // every byte before it, unless invalid bytes would join the new ones into a character.
    const QString edited = stored.text() + added;
    FUZZ_REQUIRE(FileSystem::decode(stored.bytesFor(edited)) == edited);
    FUZZ_REQUIRE(stored.bytesFor(stored.text()) == bytes);
    const QByteArray kept = bytes + (utf8 ? added.toUtf8() : codepage::encodeWindows1252(added));
    FUZZ_REQUIRE(stored.bytesFor(edited) == kept || FileSystem::decode(kept) != edited);

    // The bookmark and the display font. What is saved reads back the same, as long as a name
    // holds no line break.
    const QStringList lines = FileSystem::splitLines(FileSystem::decode(bytes));
    const bookmark::Position position = bookmark::parse(lines);
    FUZZ_REQUIRE(position.caretOffset >= 0);
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
