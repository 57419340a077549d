#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

// A text file read a piece of whole lines at a time, in memory that serves every piece in turn:
// for one pass over a text that need not be held whole. Holding a long text whole costs more to
// put in place and give back than reading it does.
namespace textpieces {

enum class Reading { Read, Unreadable };

// Hands each piece's bytes in file order to take, which returns false to stop the reading; they
// last until take returns. A piece is about pieceBytes long, or one line that is longer.
Reading readInPieces(const QString& path, qsizetype pieceBytes,
                     const std::function<bool(QByteArrayView)>& take);

} // namespace textpieces
