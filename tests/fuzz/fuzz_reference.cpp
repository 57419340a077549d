// The favorites page's verse lookup: the reference as typed (first line), the book (second line)
// and the verse lines of a Bible.dat made of the rest.
#include "fuzzinput.h"

#include "favorites/versefinder.h"
#include "favorites/versereference.h"
#include "scripture/verselines.h"

#include <QStringList>

#include <algorithm>

namespace {

bool allDigits(const QString& text) {
    for (const QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The verse number as a plain count of its digits, capped once it is past any verse.
int plainNumber(const QString& digits) {
    int number = 0;
    for (const QChar ch : digits)
        number = std::min(number * 10 + (ch.unicode() - u'0'), 100000);
    return number;
}

void checkReference(const VerseReference& reference) {
    FUZZ_REQUIRE(allDigits(reference.chapter));
    FUZZ_REQUIRE(allDigits(reference.verse));
    FUZZ_REQUIRE(allDigits(reference.endVerse));
    for (const QString& digits : {reference.verse, reference.endVerse}) {
        const std::optional<int> number = rangeVerseNumber(digits);
        const int plain = plainNumber(digits);
        FUZZ_REQUIRE(number.has_value() == (plain <= 32767));
        FUZZ_REQUIRE(!number || *number == plain);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString typed = input.textLine();
    const QString book = input.textLine();
    const VerseText bible{input.rest().toByteArray()};

    const std::optional<QString> kept = filterReference(typed);
    // Only spaces are padding: any other character, even one the field drops, keeps a text.
    FUZZ_REQUIRE(kept.has_value() == (typed.count(QLatin1Char(' ')) < typed.size()));
    if (kept) {
        for (const QChar ch : *kept)
            FUZZ_REQUIRE(ch == QLatin1Char(' ') || ch == QLatin1Char('-') ||
                         (ch >= QLatin1Char('0') && ch <= QLatin1Char(';')));
    }
    for (const QString& text : {typed, kept.value_or(QString())}) {
        const VerseReference reference = VerseReference::parse(text);
        checkReference(reference);
        const QStringList verses = scripture::versesFor(bible, book, reference);
        FUZZ_REQUIRE(verses.size() <= bible.lineCount());
        if (reference.isSingleVerse())
            FUZZ_REQUIRE(verses.size() <= 1);
        if (!reference.isSingleVerse() && !reference.isRange())
            FUZZ_REQUIRE(verses.isEmpty());
        const QString shown = lookupResultText(verses);
        FUZZ_REQUIRE(!shown.isEmpty());
        FUZZ_REQUIRE(verses.isEmpty() == !shown.startsWith(QLatin1Char(' ')));
    }
    return 0;
}
