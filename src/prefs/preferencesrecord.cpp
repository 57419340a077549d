#include "prefs/preferencesrecord.h"

#include <QLocale>

namespace preferences {

FontRequest requestFromLines(const QStringList& lines) {
    FontRequest request;
    if (lines.size() > 0)
        request.family = lines.at(0);
    if (lines.size() > 1) {
        request.bold = lines.at(1).contains(QLatin1String("Bold"));
        request.italic = lines.at(1).contains(QLatin1String("Italic"));
    }
    if (lines.size() > 2)
        request.pointSize = parseSize(lines.at(2));
    return request;
}

std::optional<double> parseSize(const QString& text) {
    bool ok = false;
    double size = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        size = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || size <= 0.0)
        return std::nullopt;
    return size;
}

QString savedRecord(const QString& font, const QString& style, const QString& size) {
    const QString crlf = QStringLiteral("\r\n");
    return font + crlf + style + crlf + size + crlf;
}

} // namespace preferences
