#pragma once

#include "storage/programfolder.h"

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

class FileSystem;

// The search run from a terminal: the same two passes as the search page, its result lines
// written as the list shows them, in UTF-8, one a line, or only how many there are. The exit
// status says what happened, as grep's does.
namespace search {

inline constexpr int kExitFound = 0;
inline constexpr int kExitNothingFound = 1;
inline constexpr int kExitTrouble = 2;

struct CommandSearch {
    QString query;     // as typed: line breaks become spaces, spaces are trimmed
    QString book = {}; // the one book searched, by its name; every book when empty
    bool countOnly = false;
    QString textPath = {}; // the text searched, in Bible.dat's form; Bible.dat when empty
    // A text in that form already held, such as the notes, searched instead of any file.
    std::optional<QByteArray> heldText = {};
};

struct CommandAnswer {
    int exitStatus = kExitTrouble;
    QString problem; // for standard error, one line or more, each ending in a line break
};

// Takes the bytes to write; false when they could not all be written.
using Output = std::function<bool(QByteArrayView bytes)>;

CommandAnswer searchFromCommandLine(FileSystem& files, const ProgramFolder& folder,
                                    const CommandSearch& asked, const Output& output);

} // namespace search
