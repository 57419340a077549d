#include "scripture/casefolding.h"

#include "scripture/bytepasses.h"
#include "text/utf8.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace scripture::casefolding {
namespace {

constexpr char32_t kLastCharacter = 0x10FFFF;

bool isSurrogate(char32_t character) {
    return character >= 0xD800 && character <= 0xDFFF;
}

// Made once from every character there is: a few milliseconds, and only when a UTF-8 text is
// first searched.
struct Tables {
    std::unordered_map<char32_t, std::vector<char32_t>> foldingTo;
    std::vector<char32_t> changingLength; // in order

    Tables() {
        for (char32_t character = 0; character <= kLastCharacter; ++character) {
            if (isSurrogate(character))
                continue;
            const char32_t fold = QChar::toCaseFolded(character);
            if (fold == character)
                continue;
            std::vector<char32_t>& into = foldingTo[fold];
            if (into.empty())
                into.push_back(fold);
            into.push_back(character);
            if (utf8Length(fold) != utf8Length(character))
                changingLength.push_back(character);
        }
    }
};

const Tables& tables() {
    static const Tables made;
    return made;
}

} // namespace

char32_t folded(char32_t character) {
    return QChar::toCaseFolded(character);
}

std::vector<char32_t> foldingTo(char32_t fold) {
    if (folded(fold) != fold)
        return {};
    const Tables& made = tables();
    const auto found = made.foldingTo.find(fold);
    return found != made.foldingTo.end() ? found->second : std::vector<char32_t>{fold};
}

bool changesLength(char32_t character) {
    const std::vector<char32_t>& changing = tables().changingLength;
    return std::binary_search(changing.begin(), changing.end(), character);
}

std::span<const char32_t> lengthChanging() {
    return tables().changingLength;
}

} // namespace scripture::casefolding

namespace scripture {

// Only the first bytes of such characters are looked for, a vector at a time; the few places
// that hold one are read whole.
bool foldsInPlace(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding != TextEncoding::Utf8)
        return true;
    static const QByteArray leads = [] {
        QByteArray found;
        for (const char32_t character : casefolding::lengthChanging()) {
            const char lead = QString::fromUcs4(&character, 1).toUtf8().front();
            if (!found.contains(lead))
                found.append(lead);
        }
        return found;
    }();
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    for (qsizetype at = bytepasses::findAnyOf(data, 0, size, leads); at < size;
         at = bytepasses::findAnyOf(data, at + 1, size, leads)) {
        if (casefolding::changesLength(text::utf8SequenceAt(bytes, at).code))
            return false;
    }
    return true;
}

} // namespace scripture
