// A multi-line box's exact text under edits: a stored file's bytes, then after each NUL an edit (a
// flags byte, two bytes of position, one of length removed, one of widening, then the text typed).
// After each, the text reads as the document shows it; outside the change, nothing else changes.
#include "fuzzinput.h"

#include "storage/filesystem.h"
#include "text/exacttext.h"

#include <QList>

#include <algorithm>

// What a document shows of a text: each line break (CR LF as one) a single separator, LF unless
// the document writes its breaks as paragraph separators.
static QString shown(QString text, QChar separator = u'\n') {
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (QChar& ch : text) {
        const char16_t code = ch.unicode();
        if (code == u'\r' || code == u'\n' || code == 0x2029 || code == 0xFDD0 || code == 0xFDD1)
            ch = separator;
    }
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    ExactText exact(FileSystem::decode(parts.first()));
    FUZZ_REQUIRE(exact.documentText() == shown(exact.text()) &&
                 exact.between(0, int(exact.documentText().size())) == exact.text());

    // A few edits go a long way; many would only slow each run down.
    for (qsizetype i = 1; i < std::min<qsizetype>(parts.size(), 17); ++i) {
        const QByteArray& edit = parts[i];
        const auto at = [&](qsizetype j) { return j < edit.size() ? int(quint8(edit[j])) : 0; };
        const bool widened = at(0) & 2, inconsistent = at(0) & 4;
        const QChar separator = at(0) & 1 ? QChar(QChar::ParagraphSeparator) : QChar(u'\n');
        const QString before = shown(exact.text(), separator);
        const int position = (at(1) | (at(2) << 8)) % int(before.size() + 1);
        const int removed = at(3) % int(before.size() - position + 1);
        const QString typed = shown(QString::fromUtf8(edit.mid(5)), separator);
        const QString after = before.left(position) + typed + before.sliced(position + removed);

        // Qt may report more than changed; a report that does not add up is taken as everything.
        const int from = std::max(0, position - (widened ? at(4) & 15 : 0));
        const int to =
            std::min(int(before.size()), position + removed + (widened ? at(4) >> 4 : 0));
        const ExactText was = exact;
        exact.follow(before, after, from, to - from + (inconsistent ? 1 : 0),
                     to - from - removed + int(typed.size()));
        const QString document = exact.documentText();
        const QString kept = was.text().left(was.offsetAt(from));
        const QString keptAfter = was.text().sliced(was.offsetAt(to));
        FUZZ_REQUIRE(document == shown(after));
        FUZZ_REQUIRE(inconsistent ||
                     (exact.text().startsWith(kept) && exact.text().endsWith(keptAfter) &&
                      kept.size() + keptAfter.size() <= exact.text().size()));

        // Positions and offsets map onto each other; an offset inside a CR LF lands before it.
        const int place = std::min(position, int(document.size()));
        const int offset = exact.offsetAt(place);
        FUZZ_REQUIRE(exact.positionAt(offset) == place &&
                     (ExactText::breakWidth(exact.text(), offset) != 2 ||
                      exact.positionAt(offset + 1) == place));
        FUZZ_REQUIRE(shown(exact.text().left(offset)) == document.left(place) &&
                     shown(exact.between(place, int(document.size()))) == document.sliced(place));
    }
    return 0;
}
