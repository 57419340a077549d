#include "texts/renderedbooks.h"

#include "scripture/bookcatalogue.h"
#include "texts/verseline.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace texts {
namespace {

// The OSIS abbreviations of the 66 books, in the order of the program's catalogue.
// clang-format off
constexpr const char* kOsisBooks[] = {
    "Gen", "Exod", "Lev", "Num", "Deut", "Josh", "Judg", "Ruth", "1Sam", "2Sam", "1Kgs", "2Kgs",
    "1Chr", "2Chr", "Ezra", "Neh", "Esth", "Job", "Ps", "Prov", "Eccl", "Song", "Isa", "Jer",
    "Lam", "Ezek", "Dan", "Hos", "Joel", "Amos", "Obad", "Jonah", "Mic", "Nah", "Hab", "Zeph",
    "Hag", "Zech", "Mal",
    "Matt", "Mark", "Luke", "John", "Acts", "Rom", "1Cor", "2Cor", "Gal", "Eph", "Phil", "Col",
    "1Thess", "2Thess", "1Tim", "2Tim", "Titus", "Phlm", "Heb", "Jas", "1Pet", "2Pet", "1John",
    "2John", "3John", "Jude", "Rev"};
// clang-format on
static_assert(std::size(kOsisBooks) == 66);

// The book's place in the program's order, or -1 for a book outside the 66.
int bookIndex(QByteArrayView osisBook) {
    const auto* found = std::find_if(std::begin(kOsisBooks), std::end(kOsisBooks),
                                     [&](const char* osis) { return osisBook == osis; });
    return found == std::end(kOsisBooks) ? -1 : int(found - std::begin(kOsisBooks));
}

} // namespace

RenderedBooks::RenderedBooks(Progress progress, std::stop_token stop)
    : m_progress(std::move(progress))
    , m_stop(std::move(stop)) {}

bool RenderedBooks::beginBook(QByteArrayView osisBook) {
    if (m_book >= 0) {
        ++m_booksDone;
        report();
    }
    m_book = bookIndex(osisBook);
    return m_book >= 0;
}

void RenderedBooks::verse(int chapter, int verse, QByteArrayView text) {
    if (m_book < 0)
        return;
    const QByteArray line = verseLine(text);
    if (line.isEmpty())
        return;
    QByteArray& book = m_books[std::size_t(m_book)];
    book += scripture::catalogue()[std::size_t(m_book)].name;
    book +=
        ' ' + QByteArray::number(chapter) + ':' + QByteArray::number(verse) + "  " + line + '\n';
}

bool RenderedBooks::isEmpty() const {
    return std::all_of(m_books.begin(), m_books.end(),
                       [](const QByteArray& book) { return book.isEmpty(); });
}

QByteArray RenderedBooks::lines() {
    m_booksDone = kBookCount;
    report();
    qsizetype size = 0;
    for (const QByteArray& book : m_books)
        size += book.size();
    QByteArray lines;
    lines.reserve(size);
    for (const QByteArray& book : m_books)
        lines += book;
    return lines;
}

void RenderedBooks::report() {
    if (m_progress)
        m_progress(m_booksDone, kBookCount);
}

} // namespace texts
