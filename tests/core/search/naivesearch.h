#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The search done the slow, literal way: each pass goes over every line again, upper-cases it
// and tests it, with the word list built step by step. The tests check the engine against it.
namespace naive {

struct SearchOutcome {
    QStringList lines;
};

// Hands each line, in order, to the visitor; called once for each pass.
using EachLine = std::function<void(const std::function<void(const QString&)>&)>;

SearchOutcome search(const EachLine& forEachLine, const QString& query, const QString& scope);
SearchOutcome search(const QStringList& lines, const QString& query, const QString& scope);

} // namespace naive
