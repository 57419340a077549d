// Opening a found verse: the reference read from a result line (first line), the chapter text
// of a Bible.dat made of the rest, and where the verse starts in it.
#include "fuzzinput.h"

#include "scripture/resultline.h"
#include "scripture/versetext.h"
#include "text/codepage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString line = codepage::decodeWindows1252(input.line());
    const VerseText text{input.rest.toByteArray()};

    const std::optional<scripture::ResultReference> reference = scripture::referenceOf(line);
    const qsizetype referenceEnd = line.indexOf(QStringLiteral("  "));
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    FUZZ_REQUIRE(reference.has_value() == (colon >= 0 && colon < referenceEnd));
    if (!reference)
        return 0;
    FUZZ_REQUIRE(reference->prefix == line.first(colon + 1));
    // The chapter follows the prefix's last space; the book, trimmed of spaces, comes before.
    const qsizetype lastSpace = reference->prefix.lastIndexOf(QLatin1Char(' '));
    FUZZ_REQUIRE(reference->prefix.sliced(lastSpace + 1) == reference->chapter + QLatin1Char(':'));
    FUZZ_REQUIRE(!reference->book.startsWith(u' ') && !reference->book.endsWith(u' ') &&
                 reference->prefix.first(lastSpace + 1).contains(reference->book));

    const QString chapter = text.chapterText(reference->prefix);
    const qsizetype offset = scripture::verseOffset(chapter, line, reference->prefix);
    const QString verse = QString(line).remove(reference->prefix);
    FUZZ_REQUIRE(offset >= 0 && offset <= chapter.size());
    FUZZ_REQUIRE(chapter.contains(verse) ? QStringView(chapter).sliced(offset).startsWith(verse)
                                         : offset == 0);
    return 0;
}
