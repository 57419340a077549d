// The favorites page's verse lookup: the reference as typed (first line), the book (second line)
// and the verse lines of a Bible.dat made of the rest.
#include "fuzzinput.h"

#include "favorites/versereference.h"
#include "scripture/verselines.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString typed = input.textLine();
    const QString book = input.textLine();
    const VerseText bible{input.rest.toByteArray()};

    const std::optional<QString> kept = favorites::filterReference(typed);
    // Only spaces are padding: any other character, even one the field drops, keeps a text.
    FUZZ_REQUIRE(kept.has_value() == (typed.count(u' ') < typed.size()));
    for (const QChar ch : kept.value_or(QString()))
        FUZZ_REQUIRE(ch == u' ' || ch == u'-' || (ch >= u'0' && ch <= u';'));
    for (const QString& text : {typed, kept.value_or(QString())}) {
        const VerseReference reference = VerseReference::parse(text);
        const QString numbers = reference.chapter + reference.verse + reference.endVerse;
        FUZZ_REQUIRE(std::all_of(numbers.begin(), numbers.end(),
                                 [](QChar ch) { return ch >= u'0' && ch <= u'9'; }));
        const QStringList verses = scripture::versesFor(bible, book, reference);
        FUZZ_REQUIRE(verses.size() <= bible.lineCount() &&
                     (!reference.isSingleVerse() || verses.size() <= 1));
        FUZZ_REQUIRE(reference.isSingleVerse() || reference.isRange() || verses.isEmpty());
        const QString shown = favorites::lookupResultText(verses);
        FUZZ_REQUIRE(!shown.isEmpty() && verses.isEmpty() == !shown.startsWith(u' '));
    }
    return 0;
}
