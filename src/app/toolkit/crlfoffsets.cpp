#include "app/toolkit/crlfoffsets.h"

#include <algorithm>

namespace crlf {

int toCrLfOffset(QStringView lfText, int lfPosition) {
    lfPosition = std::clamp(lfPosition, 0, int(lfText.size()));
    return lfPosition + int(lfText.first(lfPosition).count(QLatin1Char('\n')));
}

int toLfPosition(QStringView lfText, int crlfOffset) {
    int counted = 0;
    for (int i = 0; i < lfText.size(); ++i) {
        const int width = lfText[i] == QLatin1Char('\n') ? 2 : 1;
        if (counted + width > crlfOffset)
            return i;
        counted += width;
    }
    return int(lfText.size());
}

QString toCrLf(QString lfText) {
    lfText.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return lfText;
}

QString toLf(QString crlfText) {
    crlfText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    crlfText.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return crlfText;
}

} // namespace crlf
