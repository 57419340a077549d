// Marked-up verse text rendered as an OSIS module's own verses are, through all its filters: the
// line kept holds no line break, no run of spaces and none at either end, whatever the markup.
#include "fuzzinput.h"
#include "swordlibrary.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// A module library holding an OSIS module's description alone: rendering given text reads no file.
SwordLibrary& library() {
    static QTemporaryDir folder;
    static SwordLibrary* made = [] {
        QByteArray description = "[Fuzz]\nModDrv=RawText\nSourceType=OSIS\nEncoding=UTF-8\n";
        for (const char* filter : {"OSISStrongs", "OSISMorph", "OSISFootnotes", "OSISHeadings",
                                   "OSISScripref", "OSISLemma", "OSISVariants", "UTF8GreekAccents"})
            description += QByteArray("GlobalOptionFilter=") + filter + '\n';
        QFile conf(folder.filePath("mods.d/fuzz.conf"));
        if (!QDir(folder.path()).mkpath("mods.d") || !conf.open(QIODevice::WriteOnly) ||
            conf.write(description) != description.size() || !conf.flush())
            std::abort();
        qputenv("SWORD_PATH", QFile::encodeName(folder.path()));
        return new SwordLibrary;
    }();
    return *made;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray line =
        library().verseLine(QStringLiteral("Fuzz"),
                            QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    FUZZ_REQUIRE(!line.contains('\n') && !line.contains('\r') && !line.contains("  ") &&
                 !line.startsWith(' ') && !line.endsWith(' '));
    return 0;
}
