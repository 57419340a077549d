#include "scripture/reference.h"

#include "scripture/bookcatalogue.h"
#include "scripture/booknames.h"

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

// A chapter or verse number written in digits, leading zeros allowed: nothing for 0 or for a
// number past the largest.
std::optional<int> numberOf(QStringView digits) {
    while (digits.startsWith(QLatin1Char('0')))
        digits = digits.sliced(1);
    if (digits.isEmpty() || digits.size() > 5)
        return std::nullopt;
    const int number = digits.toInt();
    if (number > kLargestVerseNumber)
        return std::nullopt;
    return number;
}

// The numbers after a book's name, read left to right; spaces may stand around each part.
class NumberReader {
public:
    explicit NumberReader(QStringView text)
        : m_text(text) {}

    // A chapter, and the verse after it when a separator follows; nothing for no number.
    struct Place {
        int number = 0;
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
        skipSpaces();
        if (m_at == m_text.size() || !is(m_text[m_at]))
            return false;
        ++m_at;
        return true;
    }
    bool atEnd() {
        skipSpaces();
        return m_at == m_text.size();
    }

private:
    std::optional<int> number() {
        skipSpaces();
        const qsizetype start = m_at;
        while (m_at < m_text.size() && isDigit(m_text[m_at]))
            ++m_at;
        return numberOf(m_text.sliced(start, m_at - start));
    }
    void skipSpaces() {
        while (m_at < m_text.size() && m_text[m_at].isSpace())
            ++m_at;
    }

    QStringView m_text;
    qsizetype m_at = 0;
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
qsizetype numbersStart(QStringView typed) {
    bool afterALetter = false;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        if (typed[i].isLetter())
            afterALetter = true;
        else if (afterALetter && isDigit(typed[i]))
            return i;
    }
    return typed.size();
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
    const qsizetype split = numbersStart(typed);
    const std::optional<NamedBook> named = findBook(typed.first(split));
    if (!named)
        return std::nullopt;
    NumberReader numbers(typed.sliced(split));
    if (numbers.atEnd()) {
        if (named->byLeadingLetters)
            return std::nullopt;
        return Reference{named->book, 0, 0, 0, 0};
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
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= typed.size(); ++i) {
        if (i < typed.size() && isDigit(typed[i]))
            continue;
        const QStringView run = typed.sliced(runStart, i - runStart);
        runStart = i + 1;
        if (i < typed.size())
            (chapter.isEmpty() ? chapter : verse) = run;
        else
            (verse.isEmpty() ? verse : lastVerse) = run;
    }
    if (chapter.isEmpty() || verse.isEmpty())
        return std::nullopt;
    const std::optional<int> chapterNumber = numberOf(chapter);
    const std::optional<int> first = numberOf(verse);
    const std::optional<int> last = lastVerse.isEmpty() ? first : numberOf(lastVerse);
    if (!chapterNumber || !first || !last)
        return std::nullopt;
    return checked({book, *chapterNumber, *first, *chapterNumber, *last});
}

} // namespace scripture
