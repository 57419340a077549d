#pragma once

#include "scripture/textencoding.h"

#include <QString>
#include <QStringList>

#include <functional>

// The search done the slow, literal way: each pass goes over every line again, folds it and
// tests it, with the word list built step by step. The tests check the engine against it.
namespace naive {

struct SearchOutcome {
    QStringList lines;
};

// Hands each line, in order, to the visitor; called once for each pass.
using EachLine = std::function<void(const std::function<void(const QString&)>&)>;

// book: the one book searched, by name; every book when empty.
SearchOutcome search(const EachLine& forEachLine, const QString& query, const QString& book,
                     TextEncoding encoding = TextEncoding::Windows1252);
SearchOutcome search(const QStringList& lines, const QString& query, const QString& book,
                     TextEncoding encoding = TextEncoding::Windows1252);

// A line's book: before the last space ahead of its first colon, within its first 64 bytes.
QString bookOf(const QString& line, TextEncoding encoding);

} // namespace naive
