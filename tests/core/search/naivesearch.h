#pragma once

#include <QString>
#include <QStringList>

// The search done the slow, literal way: each pass rescans the file line by line, upper-cases
// every line it reads and tests it, with the word list built step by step. The tests check the
// engine against it, and the benchmarks measure against it.
namespace naive {

struct SearchOutcome {
    QStringList lines;
    bool found = false;
};

// Reads the file afresh for each pass.
SearchOutcome search(const QString& biblePath, const QString& query, const QString& scope);
// The same over lines already read, for the many queries of a test.
SearchOutcome search(const QStringList& lines, const QString& query, const QString& scope);

} // namespace naive
