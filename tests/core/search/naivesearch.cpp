#include "naivesearch.h"

#include "scripture/bookcatalogue.h"
#include "scripture/reference.h"
#include "scripture/uppercase.h"
#include "search/searchengine.h"
#include "text/utf8.h"

#include <QRegularExpression>

#include <algorithm>

namespace naive {
namespace {

// A text is held by a line when it occurs anywhere in it; the empty text by any non-empty line.
bool holds(const QString& line, const QString& text) {
    return !line.isEmpty() && line.contains(text);
}

QString folded(const QString& text, TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? text.toCaseFolded() : scripture::upperCase(text);
}

// Runs of the capital letters A to Z, or of any letters and marks in UTF-8, and an empty word
// last when a separator ends the query.
QStringList wordList(const QString& query, TextEncoding encoding) {
    static const QRegularExpression capitals(QStringLiteral("[^A-Z]+"));
    static const QRegularExpression letters(QStringLiteral("[^\\p{L}\\p{M}]+"));
    const QRegularExpression& separators = encoding == TextEncoding::Utf8 ? letters : capitals;
    QStringList words = query.split(separators, Qt::SkipEmptyParts);
    if (separators.match(query.right(QChar::isLowSurrogate(query.back().unicode()) ? 2 : 1))
            .hasMatch())
        words.append(QString());
    return words;
}

} // namespace

QString bookOf(const QString& line, TextEncoding encoding) {
    const QByteArray bytes = encoding == TextEncoding::Utf8 ? line.toUtf8() : line.toLatin1();
    const qsizetype colon = bytes.first(std::min<qsizetype>(bytes.size(), 64)).indexOf(':');
    const qsizetype space = colon < 0 ? -1 : bytes.first(colon).lastIndexOf(' ');
    if (space < 0)
        return {};
    return encoding == TextEncoding::Utf8 ? text::decodeUtf8(bytes.first(space)) : line.left(space);
}

SearchOutcome search(const EachLine& forEachLine, const QString& query, const QString& book,
                     TextEncoding encoding) {
    const std::optional<scripture::Reference> reference =
        search::referenceIn(query, scripture::catalogueIndex(book));
    if (reference) {
        // After the line's book: a space, the chapter, a colon, the verse and a space, in ASCII
        // digits; a number past any verse's makes no verse line.
        static const QRegularExpression verseAfterBook(QStringLiteral("^ ([0-9]+):([0-9]+) "));
        const QString name =
            QLatin1String(scripture::catalogue()[std::size_t(reference->book)].name);
        const auto number = [](const QString& digits) {
            bool ok = false;
            const qlonglong value = digits.toLongLong(&ok);
            return ok && value <= scripture::kLargestVerseNumber ? int(value) : -1;
        };
        SearchOutcome outcome;
        forEachLine([&](const QString& line) {
            if (bookOf(line, encoding) != name)
                return;
            const QRegularExpressionMatch match = verseAfterBook.match(line.sliced(name.size()));
            if (!match.hasMatch())
                return;
            const int chapter = number(match.captured(1));
            const int verse = number(match.captured(2));
            if (chapter >= 0 && verse >= 0 && reference->includes(chapter, verse))
                outcome.lines.append(line);
        });
        return outcome;
    }
    static const QRegularExpression outerSpaces(QStringLiteral("^ +| +$"));
    const QString foldedQuery = folded(QString(query).remove(outerSpaces), encoding);
    const auto matching = [&](const std::function<bool(const QString& foldedLine)>& test) {
        SearchOutcome outcome;
        forEachLine([&](const QString& line) {
            if ((book.isEmpty() || bookOf(line, encoding) == book) && test(folded(line, encoding)))
                outcome.lines.append(line);
        });
        return outcome;
    };
    SearchOutcome outcome =
        matching([&](const QString& foldedLine) { return holds(foldedLine, foldedQuery); });
    if (!outcome.lines.isEmpty() || foldedQuery.isEmpty())
        return outcome;
    const QStringList words = wordList(foldedQuery, encoding);
    return matching([&](const QString& foldedLine) {
        return std::all_of(words.begin(), words.end(),
                           [&](const QString& word) { return holds(foldedLine, word); });
    });
}

SearchOutcome search(const QStringList& lines, const QString& query, const QString& book,
                     TextEncoding encoding) {
    return search(
        [&](const std::function<void(const QString&)>& visit) {
            for (const QString& line : lines)
                visit(line);
        },
        query, book, encoding);
}

} // namespace naive
