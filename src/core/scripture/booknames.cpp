#include "scripture/booknames.h"

#include "scripture/bookcatalogue.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>

namespace scripture {
namespace {

// Each book's common abbreviations, in catalogue order, written as name keys (below). Short
// forms that are ordinary words a search looks for ("Am", "Ho", "Act", "Is") are left out: the
// book's leading letters still name it beside a chapter.
// clang-format off
constexpr auto kAbbreviations = std::to_array<const char*>({
    "gen gn ge",           "ex exo exod",          "lev lv le",
    "num nu nm nb",        "deut dt deu",          "josh jos",
    "judg jdg jg jdgs",    "ru rth",               "1sam 1sa 1sm",
    "2sam 2sa 2sm",        "1kgs 1kg 1ki 1kin",    "2kgs 2kg 2ki 2kin",
    "1chr 1ch 1chron",     "2chr 2ch 2chron",      "ezr",
    "neh ne",              "est esth",             "jb",
    "ps psa psalm pss psm", "prov pr prv pro",     "eccl ecc eccles ec qoh qoheleth",
    "song sos songofsongs canticles cant sng",     "isa",
    "jer jr",              "lam la",               "ezek eze ezk",
    "dan dn da",           "hos",                  "jl",
    "amo",                 "obad ob",              "jon jnh",
    "mic mc",              "nah na",               "hab",
    "zeph zep zp",         "hag hg",               "zech zec zc",
    "mal ml",              "matt mt mat",          "mk mrk",
    "lk luk",              "jn jhn",               "ac",
    "rom ro rm",           "1cor 1co",             "2cor 2co",
    "gal ga",              "eph ephes",            "phil php",
    "col",                 "1thess 1thes 1th",     "2thess 2thes 2th",
    "1tim 1ti 1tm",        "2tim 2ti 2tm",         "tit",
    "phlm philem phm",     "heb",                  "jas jm",
    "1pet 1pe 1pt",        "2pet 2pe 2pt",         "1jn 1jhn",
    "2jn 2jhn",            "3jn 3jhn",             "jud jd",
    "rev re rv revelations apocalypse apoc",
});
// clang-format on
static_assert(kAbbreviations.size() == 66);

// Fewer letters than this name no book by themselves being its first ones.
constexpr qsizetype kFewestLeadingLetters = 2;

// The Roman figures a numbered book's number may be written in, the longest first: each has as
// many letters as it counts.
constexpr std::array<const char*, 3> kRomanNumbers = {"iii", "ii", "i"};

bool isAsciiLetter(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// A Roman number and a space after it, at the start of the name: its value, or 0.
int romanNumberAt(QStringView name) {
    for (std::size_t i = 0; i < kRomanNumbers.size(); ++i) {
        const QLatin1String roman(kRomanNumbers[i]);
        if (name.startsWith(roman, Qt::CaseInsensitive) &&
            name.sliced(roman.size()).startsWith(QLatin1Char(' ')))
            return int(kRomanNumbers.size() - i);
    }
    return 0;
}

// A name as compared: its number as a digit, then its letters in lower case, without spaces
// ("1 John" and "I  john." both become "1john"). Empty when it holds anything else; a number
// alone stays, and names no book.
QString nameKey(QStringView typed) {
    QStringView name = typed.trimmed();
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    QString key;
    if (!name.isEmpty() && name.front() >= QLatin1Char('1') && name.front() <= QLatin1Char('3')) {
        key.append(name.front());
        name = name.sliced(1);
    } else if (const int roman = romanNumberAt(name); roman > 0) {
        key.append(QChar(u'0' + roman));
        name = name.sliced(roman); // as many letters as it counts
    }
    for (const QChar c : name) {
        if (c.isSpace())
            continue;
        if (!isAsciiLetter(c))
            return {};
        key.append(c.toLower());
    }
    return key;
}

struct BookKeys {
    QString name; // the whole name as a key
    QStringList abbreviations;
};

const std::array<BookKeys, 66>& bookKeys() {
    static const std::array<BookKeys, 66> keys = [] {
        std::array<BookKeys, 66> made;
        for (std::size_t i = 0; i < made.size(); ++i) {
            made[i].name = nameKey(QString::fromLatin1(catalogue()[i].name));
            made[i].abbreviations = QString::fromLatin1(kAbbreviations[i]).split(QLatin1Char(' '));
        }
        return made;
    }();
    return keys;
}

// The number a key begins with, or the null character.
QChar numberOf(const QString& key) {
    return key.front().isDigit() ? key.front() : QChar();
}

// The book whose name the key's letters begin, among the books of the key's number. Without a
// number the letters must begin one name only, numbered books counted too: "Joh" is John, as
// 1 to 3 John share its name, but "Co" could be Colossians or Corinthians.
std::optional<int> byLeadingLetters(const QString& key) {
    const QChar number = numberOf(key);
    const QStringView letters = QStringView(key).sliced(number.isNull() ? 0 : 1);
    if (letters.size() < kFewestLeadingLetters)
        return std::nullopt;
    std::optional<int> found;
    QStringView foundName;
    for (int i = 0; i < int(bookKeys().size()); ++i) {
        const QString& name = bookKeys()[std::size_t(i)].name;
        const QChar bookNumber = numberOf(name);
        if (!number.isNull() && bookNumber != number)
            continue;
        const QStringView unnumbered = QStringView(name).sliced(bookNumber.isNull() ? 0 : 1);
        if (!unnumbered.startsWith(letters))
            continue;
        if (!foundName.isNull() && unnumbered != foundName)
            return std::nullopt;
        foundName = unnumbered;
        if (bookNumber == number)
            found = i;
    }
    return found;
}

} // namespace

std::optional<NamedBook> findBook(QStringView typed) {
    const QString key = nameKey(typed);
    if (key.isEmpty())
        return std::nullopt;
    const auto& books = bookKeys();
    const auto named = std::ranges::find_if(books, [&](const BookKeys& book) {
        return book.name == key || book.abbreviations.contains(key);
    });
    if (named != books.end())
        return NamedBook{int(named - books.begin()), false};
    if (const std::optional<int> book = byLeadingLetters(key))
        return NamedBook{*book, true};
    return std::nullopt;
}

std::optional<int> bookIndex(QStringView typed) {
    const std::optional<NamedBook> named = findBook(typed);
    return named ? std::optional<int>(named->book) : std::nullopt;
}

} // namespace scripture
