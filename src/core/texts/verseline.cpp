#include "texts/verseline.h"

#include <string_view>

namespace texts {
namespace {

// Unicode's line breaks beyond the control characters, in UTF-8: next line, line separator,
// paragraph separator. Each begins with a byte no plain character has.
constexpr std::string_view kWideBreaks[] = {"\xC2\x85", "\xE2\x80\xA8", "\xE2\x80\xA9"};

// How many bytes the space or line break at the offset takes; 0 when there is none.
qsizetype spaceAt(QByteArrayView text, qsizetype at) {
    const char byte = text[at];
    if (byte == ' ' || (byte >= '\t' && byte <= '\r'))
        return 1;
    if (byte != '\xC2' && byte != '\xE2')
        return 0;
    for (const std::string_view wide : kWideBreaks) {
        if (text.sliced(at).startsWith(QByteArrayView(wide.data(), qsizetype(wide.size()))))
            return qsizetype(wide.size());
    }
    return 0;
}

} // namespace

QByteArray verseLine(QByteArrayView text) {
    QByteArray line;
    line.reserve(text.size());
    bool spaceOwed = false; // before the next character, as one or more spaces came before it
    for (qsizetype at = 0; at < text.size();) {
        if (const qsizetype space = spaceAt(text, at)) {
            spaceOwed = !line.isEmpty();
            at += space;
            continue;
        }
        if (spaceOwed)
            line += ' ';
        spaceOwed = false;
        line += text[at++];
    }
    return line;
}

} // namespace texts
