// The search over a Bible.dat made of the input, with the query and the book box's text typed
// above it ("*" for every book): the lines found are those the plain, line-by-line search finds.
#include "fuzzinput.h"
#include "naivesearch.h"

#include "scripture/versetext.h"
#include "search/searchengine.h"
#include "shell/placeholders.h"
#include "support/testfiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const QString query = input.textLine();
    const QString typedScope = input.textLine();
    const QString scope = typedScope == QLatin1String("*") ? shell::kTheBible : typedScope;
    const VerseText text{input.rest.toByteArray()};
    const search::Outcome outcome = search::run(text, query, scope);
    FUZZ_REQUIRE(search::resultLines(text, outcome.lines) ==
                 naive::search(testfiles::linesOf(text), query, scope).lines);
    return 0;
}
