#include "scripture/reference.h"

#include "scripture/bookcatalogue.h"
#include "scripture/booknames.h"

#include <algorithm>

namespace scripture {
namespace {

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isVerseSeparator(QChar c) {
    return c == QLatin1Char(':') || c == QLatin1Char('.');
}

bool isDash(QChar c) {
    return c == QLatin1Char('-') || c == QChar(0x2013); // the en dash typeset ranges have
}

// A chapter or verse number written in digits, leading zeros allowed: nothing for no digits, 0
// or a number past the largest.
std::optional<int> numberOf(QStringView digits) {
    bool isNumber = false;
    const int number = digits.toInt(&isNumber);
    if (!isNumber || number < 1 || number > kLargestVerseNumber)
        return std::nullopt;
    return number;
}

// The text from the first character that is not one of a kind.
QStringView skipping(QStringView text, bool (*is)(QChar)) {
    return QStringView(std::find_if_not(text.begin(), text.end(), is), text.end());
}

bool isSpace(QChar c) {
    return c.isSpace();
}

// The numbers after a book's name, read left to right; spaces may stand around each part.
class NumberReader {
public:
    explicit NumberReader(QStringView text)
        : m_rest(text) {}

    // A chapter, and the verse after it when a separator follows; nothing for no number.
    struct Place {
        int number;
        std::optional<int> verse;
    };
    std::optional<Place> place() {
        const std::optional<int> number = this->number();
        if (!number)
            return std::nullopt;
        if (!take(isVerseSeparator))
            return Place{*number, std::nullopt};
        const std::optional<int> verse = this->number();
        if (!verse)
            return std::nullopt;
        return Place{*number, verse};
    }
    bool take(bool (*is)(QChar)) {
        m_rest = skipping(m_rest, isSpace);
        if (m_rest.isEmpty() || !is(m_rest.front()))
            return false;
        m_rest = m_rest.sliced(1);
        return true;
    }
    bool atEnd() { return skipping(m_rest, isSpace).isEmpty(); }

private:
    std::optional<int> number() {
        const QStringView from = skipping(m_rest, isSpace);
        m_rest = skipping(from, isDigit);
        return numberOf(QStringView(from.begin(), m_rest.begin()));
    }

    QStringView m_rest; // what is still to be read
};

int chapterCountOf(int book) {
    return catalogue()[std::size_t(book)].chapters;
}

// The reference when the book has its chapters and the reference does not run backwards.
std::optional<Reference> checked(const Reference& reference) {
    if (reference.book < 0 || reference.book >= int(catalogue().size()))
        return std::nullopt;
    if (reference.lastChapter > chapterCountOf(reference.book) ||
        reference.lastChapter < reference.firstChapter)
        return std::nullopt;
    if (reference.lastChapter == reference.firstChapter &&
        reference.lastVerse < reference.firstVerse)
        return std::nullopt;
    return reference;
}

// The first and last place of a range, or one place twice, as a reference to the book.
std::optional<Reference> referenceTo(int book, const NumberReader::Place& first,
                                     const NumberReader::Place& last) {
    if (first.verse) {
        if (last.verse) // chapter:verse-chapter:verse
            return checked({book, first.number, *first.verse, last.number, *last.verse});
        return checked({book, first.number, *first.verse, first.number, last.number});
    }
    if (last.verse)
        return std::nullopt; // chapter-chapter:verse is no way readers write
    if (chapterCountOf(book) == 1)
        return checked({book, 1, first.number, 1, last.number});
    return checked({book, first.number, 0, last.number, 0});
}

// Where the numbers begin: the first digit after a letter, as a leading digit is the book's.
QStringView::const_iterator numbersStart(QStringView typed) {
    const auto letter =
        std::find_if(typed.begin(), typed.end(), [](QChar c) { return c.isLetter(); });
    return std::find_if(letter, typed.end(), isDigit);
}

} // namespace

Reference::Kind Reference::kind() const {
    if (firstChapter == 0)
        return Kind::WholeBook;
    return firstVerse == 0 ? Kind::Chapters : Kind::Verses;
}

bool Reference::includes(int chapter, int verse) const {
    if (kind() == Kind::WholeBook)
        return true;
    if (chapter < firstChapter || chapter > lastChapter)
        return false;
    if (chapter == firstChapter && verse < firstVerse)
        return false;
    return chapter != lastChapter || lastVerse == 0 || verse <= lastVerse;
}

QString Reference::formatted() const {
    QString text = QLatin1String(catalogue()[std::size_t(book)].name);
    const Kind named = kind();
    if (named == Kind::WholeBook)
        return text;
    text += QLatin1Char(' ') + QString::number(firstChapter);
    if (named == Kind::Chapters)
        return lastChapter == firstChapter ? text
                                           : text + QLatin1Char('-') + QString::number(lastChapter);
    text += QLatin1Char(':') + QString::number(firstVerse);
    if (lastChapter != firstChapter)
        return text + QLatin1Char('-') + QString::number(lastChapter) + QLatin1Char(':') +
               QString::number(lastVerse);
    return lastVerse == firstVerse ? text : text + QLatin1Char('-') + QString::number(lastVerse);
}

std::optional<Reference> parseReference(QStringView typed) {
    const auto split = numbersStart(typed);
    const std::optional<NamedBook> named = findBook(QStringView(typed.begin(), split));
    if (!named)
        return std::nullopt;
    NumberReader numbers(QStringView(split, typed.end()));
    if (numbers.atEnd()) {
        if (named->byLeadingLetters)
            return std::nullopt;
        return Reference{.book = named->book};
    }
    const std::optional<NumberReader::Place> first = numbers.place();
    if (!first)
        return std::nullopt;
    std::optional<NumberReader::Place> last = first;
    if (numbers.take(isDash))
        last = numbers.place();
    if (!last || !numbers.atEnd())
        return std::nullopt;
    return referenceTo(named->book, *first, *last);
}

std::optional<Reference> parseReferenceIn(int book, QStringView typed) {
    QStringView chapter;
    QStringView verse;
    QStringView lastVerse;
    auto run = typed.begin(); // the digits since the last separator
    for (auto at = typed.begin(); at != typed.end(); ++at) {
        if (isDigit(*at))
            continue;
        (chapter.isEmpty() ? chapter : verse) = QStringView(run, at);
        run = std::next(at);
    }
    (verse.isEmpty() ? verse : lastVerse) = QStringView(run, typed.end());
    const std::optional<int> chapterNumber = numberOf(chapter);
    const std::optional<int> first = numberOf(verse);
    const std::optional<int> last = lastVerse.isEmpty() ? first : numberOf(lastVerse);
    if (!chapterNumber || !first || !last)
        return std::nullopt;
    return checked({book, *chapterNumber, *first, *chapterNumber, *last});
}

} // namespace scripture
