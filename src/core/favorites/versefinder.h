#pragma once

#include <QString>
#include <QStringList>

// The result box's text: each verse preceded by one space, all on one line, or the no-result
// text.
QString lookupResultText(const QStringList& verses);
