#include "study/notelinks.h"

namespace study {
namespace {

constexpr int kMostBookWords = 4;

bool isDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

qsizetype digitsEnd(QStringView line, qsizetype at) {
    while (at < line.size() && isDigit(line[at]))
        ++at;
    return at;
}

// Where chapter and verse ("8:28", "3.16-18") that begin at the place end; the place itself when
// none begin there.
qsizetype numbersEnd(QStringView line, qsizetype start) {
    const qsizetype chapterEnd = digitsEnd(line, start);
    if (chapterEnd == start || chapterEnd + 1 >= line.size() ||
        (line[chapterEnd] != QLatin1Char(':') && line[chapterEnd] != QLatin1Char('.')) ||
        !isDigit(line[chapterEnd + 1]))
        return start;
    qsizetype end = digitsEnd(line, chapterEnd + 1);
    if (end + 1 < line.size() && line[end] == QLatin1Char('-') && isDigit(line[end + 1]))
        end = digitsEnd(line, end + 1);
    return end;
}

// The longest run of words before the numbers that names a book with them.
std::optional<std::pair<qsizetype, scripture::Reference>>
bookBefore(QStringView line, qsizetype numbers, qsizetype end) {
    std::vector<qsizetype> wordStarts;
    qsizetype at = numbers - 1;
    while (at > 0 && int(wordStarts.size()) < kMostBookWords) {
        while (at > 0 && line[at].isSpace())
            --at;
        while (at > 0 && !line[at - 1].isSpace())
            --at;
        while (at < numbers && !line[at].isLetterOrNumber())
            ++at; // an opening bracket or quote
        wordStarts.push_back(at);
        --at;
    }
    for (auto start = wordStarts.rbegin(); start != wordStarts.rend(); ++start) {
        if (const auto reference = scripture::parseReference(line.sliced(*start, end - *start)))
            return std::pair(*start, *reference);
    }
    return std::nullopt;
}

} // namespace

std::optional<scripture::Reference> referenceAt(QStringView line, qsizetype column) {
    for (qsizetype at = 0; at < line.size(); ++at) {
        if (!isDigit(line[at]) || (at > 0 && isDigit(line[at - 1])))
            continue;
        const qsizetype end = numbersEnd(line, at);
        if (end == at || column > end)
            continue;
        const auto found = bookBefore(line, at, end);
        if (found && column >= found->first)
            return found->second;
    }
    return std::nullopt;
}

} // namespace study
