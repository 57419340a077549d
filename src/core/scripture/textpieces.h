#pragma once

#include "scripture/versetext.h"

#include <QString>

#include <functional>

// A text file read a piece of whole lines at a time, each piece indexed as a text of its own in
// memory that serves every piece in turn: for one pass over a text that need not be held whole.
// Holding a long text whole costs more to put in place and give back than reading it does.
namespace textpieces {

enum class Reading {
    Read,
    Unreadable,
    // The file begins with the UTF-8 byte-order mark: it is read whole, through the file layer,
    // which turns it into the code page. Nothing was handed on.
    NotInPieces,
};

// Hands each piece in file order to take, which returns false to stop the reading. A piece is
// about pieceBytes long, or one line that is longer.
Reading readInPieces(const QString& path, qsizetype pieceBytes,
                     const std::function<bool(const VerseText&)>& take);

} // namespace textpieces
