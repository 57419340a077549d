#include "scripture/versespans.h"

#include <algorithm>

namespace scripture {
namespace {
const QString kVerseBreak = QStringLiteral("\r\n\r\n");
} // namespace

std::vector<VerseSpan> verseSpans(QStringView chapterText) {
    std::vector<VerseSpan> spans;
    qsizetype start = 0;
    while (start < chapterText.size()) {
        const qsizetype lineEnd = chapterText.indexOf(kVerseBreak, start);
        if (lineEnd < 0) {
            spans.push_back({start, chapterText.size(), chapterText.size()});
            break;
        }
        spans.push_back({start, lineEnd, lineEnd + kVerseBreak.size()});
        start = lineEnd + kVerseBreak.size();
    }
    return spans;
}

VerseRange versesTouched(const std::vector<VerseSpan>& spans, qsizetype start, qsizetype end) {
    if (spans.empty())
        return {};
    // The verse holding a position: the last one that begins at or before it.
    const auto holding = [&](qsizetype position) {
        const auto after =
            std::upper_bound(spans.begin(), spans.end(), position,
                             [](qsizetype at, const VerseSpan& span) { return at < span.start; });
        return std::max<qsizetype>(after - spans.begin() - 1, 0);
    };
    // A selection that ends where a verse begins does not reach into it.
    const qsizetype lastPosition = end > start ? end - 1 : start;
    return {holding(start), holding(lastPosition)};
}

QString referencedLines(const VerseText& text, const QString& chapterPrefix, VerseRange range) {
    QStringList lines;
    qsizetype index = 0;
    for (const VerseText::LineRun& run : text.linesBeginningWith(QStringView(chapterPrefix))) {
        for (qsizetype line = run.first; line < run.last; ++line, ++index) {
            if (index >= range.first && index <= range.last)
                lines.append(text.decodedLine(line));
        }
    }
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace scripture
