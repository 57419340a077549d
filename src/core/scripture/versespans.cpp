#include "scripture/versespans.h"

#include "text/exacttext.h"
#include "text/linebreak.h"

#include <algorithm>

namespace scripture {
namespace {

// The verse number a paragraph starts with: digits, then a space.
std::optional<int> verseNumberAt(QStringView text, qsizetype start) {
    qsizetype digits = start;
    while (digits < text.size() && text[digits].isDigit())
        ++digits;
    if (digits == text.size() || text[digits] != QLatin1Char(' '))
        return std::nullopt;
    bool ok = false;
    const int number = text.sliced(start, digits - start).toInt(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

qsizetype paragraphEnd(QStringView text, qsizetype start) {
    const auto lineBreak = std::find_if(text.begin() + start, text.end(), [&](const QChar& ch) {
        return ExactText::breakWidth(text, &ch - text.begin()) > 0;
    });
    return lineBreak - text.begin();
}

} // namespace

std::vector<VerseSpan> verseSpans(QStringView shownText) {
    std::vector<VerseSpan> spans;
    for (qsizetype start = 0; start < shownText.size();) {
        const qsizetype end = paragraphEnd(shownText, start);
        if (const std::optional<int> number = verseNumberAt(shownText, start)) {
            if (!spans.empty())
                spans.back().end = start;
            spans.push_back({start, end, shownText.size(), *number});
        }
        start = end + std::max(ExactText::breakWidth(shownText, end), 1);
    }
    return spans;
}

VerseRange versesTouched(const std::vector<VerseSpan>& spans, qsizetype start, qsizetype end) {
    // The verse holding a position: the last one that begins at or before it, or -1.
    const auto holding = [&](qsizetype position) {
        const auto after =
            std::upper_bound(spans.begin(), spans.end(), position,
                             [](qsizetype at, const VerseSpan& span) { return at < span.start; });
        return qsizetype(after - spans.begin()) - 1;
    };
    // A selection that ends where a verse begins does not reach into it.
    const qsizetype last = holding(end > start ? end - 1 : start);
    if (last < 0)
        return {};
    return {std::max<qsizetype>(holding(start), 0), last};
}

QString referencedLines(const VerseText& text, const QString& chapterPrefix,
                        const std::vector<VerseSpan>& spans, VerseRange range) {
    QStringList lines;
    QList<int> copied;
    for (qsizetype index = range.first; index <= range.last; ++index) {
        const int number = spans[std::size_t(index)].number;
        if (copied.contains(number))
            continue;
        copied.append(number);
        const std::optional<QByteArray> versePrefix =
            text.encoded(chapterPrefix + QString::number(number) + QLatin1Char(' '));
        if (!versePrefix)
            continue;
        const std::vector<VerseText::LineRun> found = text.linesBeginningWith(*versePrefix);
        if (!found.empty())
            lines.append(text.decodedLine(found.front().first));
    }
    return lines.join(text::kCrLf);
}

} // namespace scripture
