#pragma once

#include <QString>

namespace text {

// The line break of every file the program writes and of every text it composes: the
// messages, the welcome and help texts, the records, an added verse.
inline const QString kCrLf = QStringLiteral("\r\n");

} // namespace text
