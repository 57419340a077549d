// A multi-line box's exact text under edits: the input is a stored file's bytes, then after each
// NUL an edit (a flags byte, two bytes of position, one of length removed, one of widening, then
// the text typed or pasted). After every edit the text must read as the document shows it, and
// whatever lies outside the reported change must keep its exact characters and line breaks.
#include "fuzzinput.h"

#include "storage/filesystem.h"
#include "text/exacttext.h"

#include <QList>

#include <algorithm>

namespace {

bool isBreak(QChar ch) {
    const char16_t code = ch.unicode();
    return code == u'\r' || code == u'\n' || code == 0x2029 || code == 0xFDD0 || code == 0xFDD1;
}

// What a document shows of a text: each line break (CR LF as one) a single LF.
QString shown(const QString& text) {
    QString document;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool crLf = text[i] == QLatin1Char('\r') && text.mid(i + 1, 1) == QLatin1String("\n");
        document += isBreak(text[i]) ? QChar(QLatin1Char('\n')) : text[i];
        i += crLf ? 1 : 0;
    }
    return document;
}

// A document writes every break as one character: the paragraph separator or LF.
QString inDocumentForm(const QString& text, QChar separator) {
    QString document = shown(text);
    document.replace(QLatin1Char('\n'), separator);
    return document;
}

struct Edit {
    int flags = 0;
    int position = 0;
    int removed = 0;
    int widening = 0;
    QString typed;
};

Edit editOf(QByteArrayView bytes) {
    const auto at = [&](qsizetype i) { return i < bytes.size() ? int(quint8(bytes[i])) : 0; };
    return {at(0), at(1) | (at(2) << 8), at(3), at(4),
            QString::fromUtf8(bytes.sliced(std::min<qsizetype>(bytes.size(), 5)))};
}

void checkPositions(const ExactText& exact, int position) {
    const QString document = exact.documentText();
    const int offset = exact.offsetAt(position);
    FUZZ_REQUIRE(exact.positionAt(offset) == position);
    FUZZ_REQUIRE(shown(exact.text().left(offset)) == document.left(position));
    FUZZ_REQUIRE(shown(exact.between(position, int(document.size()))) == document.sliced(position));
    // An offset inside a CR LF lands before the break.
    if (ExactText::breakWidth(exact.text(), offset) == 2)
        FUZZ_REQUIRE(exact.positionAt(offset + 1) == position);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    ExactText exact(FileSystem::decode(parts.first()));
    FUZZ_REQUIRE(exact.documentText() == shown(exact.text()));
    FUZZ_REQUIRE(exact.between(0, int(exact.documentText().size())) == exact.text());

    // A few edits go a long way; many would only slow each run down.
    for (qsizetype i = 1; i < std::min<qsizetype>(parts.size(), 17); ++i) {
        const Edit edit = editOf(parts[i]);
        const QChar separator = edit.flags & 1 ? QChar(QChar::ParagraphSeparator) : QChar(u'\n');
        const QString before = inDocumentForm(exact.text(), separator);
        const int position = edit.position % int(before.size() + 1);
        const int removed = edit.removed % int(before.size() - position + 1);
        const QString typed = inDocumentForm(edit.typed, separator);
        const QString after = before.left(position) + typed + before.sliced(position + removed);

        // Qt may report more than changed; a report that does not add up is taken as everything.
        int from = position;
        int to = position + removed;
        if (edit.flags & 2) {
            from = std::max(0, from - (edit.widening & 15));
            to = std::min(int(before.size()), to + (edit.widening >> 4));
        }
        const int reportedAdded = to - from - removed + int(typed.size());
        const bool inconsistent = edit.flags & 4;
        const QString old = exact.text();
        exact.follow(before, after, from, to - from + (inconsistent ? 1 : 0), reportedAdded);

        FUZZ_REQUIRE(exact.documentText() == shown(after));
        if (!inconsistent) {
            const ExactText was(old);
            const QString kept = old.left(was.offsetAt(from));
            const QString keptAfter = old.sliced(was.offsetAt(to));
            FUZZ_REQUIRE(exact.text().startsWith(kept));
            FUZZ_REQUIRE(exact.text().endsWith(keptAfter));
            FUZZ_REQUIRE(kept.size() + keptAfter.size() <= exact.text().size());
        }
        checkPositions(exact, std::min(position, int(exact.documentText().size())));
    }
    return 0;
}
