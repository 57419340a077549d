// Bible.dat as read: the line index, the upper-cased copy, the lines beginning with a prefix and
// a chapter's display text, each against a plain reading of the same bytes.
#include "fuzzinput.h"

#include "scripture/uppercase.h"
#include "scripture/versetext.h"
#include "text/codepage.h"

#include <QStringList>

#include <vector>

namespace {

// The lines as a reader that knows nothing of the index splits them.
QStringList plainLines(QByteArrayView bytes) {
    QStringList lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        else if (end > start && bytes[end - 1] == '\r')
            --end;
        lines.append(codepage::decodeWindows1252(bytes.sliced(start, end - start)));
        start = next;
    }
    return lines;
}

std::vector<qsizetype> linesOf(const std::vector<VerseText::LineRun>& runs) {
    std::vector<qsizetype> lines;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        FUZZ_REQUIRE(runs[i].first < runs[i].last);
        // Runs are as long as they can be: two in a row always have a line between them.
        FUZZ_REQUIRE(i == 0 || runs[i - 1].last < runs[i].first);
        for (qsizetype line = runs[i].first; line < runs[i].last; ++line)
            lines.push_back(line);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString prefix = input.textLine();
    const QByteArrayView bytes = input.rest();
    const VerseText text{bytes.toByteArray()};

    const QStringList lines = plainLines(bytes);
    FUZZ_REQUIRE(text.lines() == lines);
    FUZZ_REQUIRE(text.upperBytes().size() == bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        FUZZ_REQUIRE(text.upperBytes()[i] ==
                     char(scripture::upperByte(static_cast<unsigned char>(bytes[i]))));
    for (qsizetype i = 0; i < text.lineCount(); ++i)
        FUZZ_REQUIRE(codepage::decodeWindows1252(text.upperLine(i)) ==
                     scripture::upperCase(lines[i]));

    std::vector<qsizetype> beginning;
    QString chapter;
    const bool fits = codepage::fitsWindows1252(prefix);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!fits || !lines[i].startsWith(prefix))
            continue;
        beginning.push_back(i);
        chapter += (prefix.isEmpty() ? lines[i] : QString(lines[i]).remove(prefix)) +
                   QStringLiteral("\r\n\r\n");
    }
    FUZZ_REQUIRE(linesOf(text.linesBeginningWith(QStringView(prefix))) == beginning);
    FUZZ_REQUIRE(text.chapterText(prefix) == chapter);
    return 0;
}
