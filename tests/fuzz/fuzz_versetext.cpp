// Bible.dat as read: the line index, the upper-cased copy, the lines beginning with a prefix and
// a chapter's display text, each against a plain reading of the same bytes.
#include "fuzzinput.h"

#include "scripture/uppercase.h"
#include "scripture/versetext.h"
#include "text/codepage.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString prefix = input.textLine();
    const QByteArrayView bytes = input.rest;
    const VerseText text{bytes.toByteArray()};

    const QStringList lines = plainLines(codepage::decodeWindows1252(bytes));
    FUZZ_REQUIRE(text.lineCount() == lines.size() && text.upperBytes().size() == bytes.size());

    std::vector<qsizetype> beginning, found;
    QString chapter;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        FUZZ_REQUIRE(codepage::decodeWindows1252(text.upperLine(i)) ==
                     scripture::upperCase(lines[i]));
        if (!codepage::fitsWindows1252(prefix) || !lines[i].startsWith(prefix))
            continue;
        beginning.push_back(i);
        chapter += (prefix.isEmpty() ? lines[i] : QString(lines[i]).remove(prefix)) +
                   QStringLiteral("\r\n\r\n");
    }
    // Runs are as long as they can be: two in a row always have a line between them.
    qsizetype previousEnd = -1;
    for (const VerseText::LineRun& run : text.linesBeginningWith(QStringView(prefix))) {
        FUZZ_REQUIRE(run.first < run.last && previousEnd < run.first);
        for (qsizetype line = run.first; line < run.last; ++line)
            found.push_back(line);
        previousEnd = run.last;
    }
    FUZZ_REQUIRE(found == beginning);
    FUZZ_REQUIRE(text.chapterText(prefix) == chapter);
    return 0;
}
