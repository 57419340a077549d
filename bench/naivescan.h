#pragma once

#include "naivesearch.h"

#include <QString>

#include <functional>
#include <optional>

// Straightforward readers of Bible.dat that scan the file from its first line on every
// request, as the program did before it kept the text in memory: the benchmarks' reference.
namespace naive {

// Opens the file and hands over each line, without its line break, decoded from
// Windows-1252. False when the file cannot be opened.
bool forEachLine(const QString& path, const std::function<void(const QString& line)>& visit);

// The chapter text for the prefix, or nothing when the file cannot be opened.
std::optional<QString> chapterText(const QString& path, const QString& prefix);

// The plain search, reading the file afresh for each pass; book: every book when empty.
SearchOutcome search(const QString& biblePath, const QString& query, const QString& book);

} // namespace naive
