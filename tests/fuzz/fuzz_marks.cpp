// The reader's mark files and notes. The first line is a bookmark's name as typed, the second a
// line of a note with a reference in it; the rest is a file of bookmarks or highlights as a
// person may have edited it.
#include "fuzzinput.h"

#include "storage/storedtext.h"
#include "study/bookmarklist.h"
#include "study/highlights.h"
#include "study/notelinks.h"
#include "study/notenames.h"

namespace {

// The lines that are no mark, in order.
QStringList otherLines(const study::MarkFile& file) {
    QStringList lines = file.text().split(u'\n');
    for (auto mark = file.marks().rbegin(); mark != file.marks().rend(); ++mark)
        lines.removeAt(mark->line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString name = input.textLine();
    const QString noteLine = input.textLine();

    // Read and written back untouched, the bytes are the same; every edit keeps the lines that
    // are no mark, as they were and in their order.
    const QByteArray bytes = input.rest.toByteArray();
    const StoredText stored(bytes);
    study::MarkFile file(stored.text());
    FUZZ_REQUIRE(stored.bytesFor(file.text()) == bytes);
    const QStringList others = otherLines(file);
    const scripture::Reference verse = *study::MarkFile::verseOf(u"John 3:16");
    study::addBookmark(file, verse, name);
    FUZZ_REQUIRE(file.marks().back().verse == verse &&
                 !study::bookmarkName(file.marks().back()).contains(u'\n'));
    study::highlight(file, {verse}, study::Colour::Pink);
    study::highlight(file, {verse}, std::nullopt);
    if (file.marks().size() > 1)
        file.swap(0, file.marks().size() - 1);
    const QStringList kept = otherLines(study::MarkFile(file.text()));
    for (qsizetype at = 0; at + 1 < others.size(); ++at) // the last may have gained its break
        FUZZ_REQUIRE(kept.value(at).chopped(kept.value(at).endsWith(u'\r')) ==
                     others[at].chopped(others[at].endsWith(u'\r')));

    // A reference found in a note names what it was written as; a note's name, its verse.
    for (qsizetype column = 0; column <= noteLine.size(); ++column) {
        if (const auto found = study::referenceAt(noteLine, column))
            FUZZ_REQUIRE(scripture::parseReference(found->formatted()) == found);
    }
    if (const auto noted = study::noteVerse(noteLine))
        FUZZ_REQUIRE(study::noteVerse(study::noteName(*noted)) == noted);
    return 0;
}
