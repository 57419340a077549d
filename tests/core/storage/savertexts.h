#pragma once

#include <QString>

// The two texts the subject saver writes in turn: of different sizes, and both holding
// characters that are stored as single high bytes.
namespace savertexts {

inline QString repeated(const QString& line, qsizetype size) {
    QString text;
    while (text.size() < size)
        text += line;
    return text;
}

inline QString oldText() {
    return repeated(QStringLiteral("Old \u00E6\u2014\u20AC verse\r\n"), 3 * 1024);
}

inline QString newText() {
    return repeated(QStringLiteral("New caf\u00E9 \u2018text\u2019 of the subject\r\n"), 30 * 1024);
}

} // namespace savertexts
