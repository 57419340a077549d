#include "prefs/preferencesrecord.h"

#include "text/linebreak.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace prefs {

FontRequest requestFromLines(const QStringList& lines) {
    FontRequest request;
    if (!lines.isEmpty())
        request.family = lines.first();
    request.bold = lines.value(1).contains(QLatin1String("Bold"));
    request.italic = lines.value(1).contains(QLatin1String("Italic"));
    request.pointSize = parseSize(lines.value(2));
    return request;
}

std::optional<double> parseSize(const QString& text) {
    bool ok = false;
    double size = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        size = QLocale::c().toDouble(text.trimmed(), &ok);
    // "nan" and "inf" convert too, but are no size a font can take.
    if (!ok || !std::isfinite(size) || size <= 0.0)
        return std::nullopt;
    return size;
}

QString savedRecord(const QString& font, const QString& style, const QString& size) {
    return QStringList{font, style, size}.join(text::kCrLf) + text::kCrLf;
}

QStringList fontNames() {
    return {QStringLiteral("Arial"),           QStringLiteral("Arial Black"),
            QStringLiteral("Arial Narrow"),    QStringLiteral("Comic Sans MS"),
            QStringLiteral("Courier"),         QStringLiteral("Courier New"),
            QStringLiteral("Fixedsys"),        QStringLiteral("MS Sans Serif"),
            QStringLiteral("MS Serif"),        QStringLiteral("Small Fonts"),
            QStringLiteral("System"),          QStringLiteral("Terminal"),
            QStringLiteral("Times New Roman"), QStringLiteral("Verdana")};
}

QStringList styleWords() {
    return {QStringLiteral("Regular"), QStringLiteral("Italic"), QStringLiteral("Bold"),
            QStringLiteral("Bold Italic")};
}

QStringList sizes() {
    return {QStringLiteral("8"),  QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"),
            QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"), QStringLiteral("18"),
            QStringLiteral("20"), QStringLiteral("22"), QStringLiteral("24")};
}

std::optional<QString> steppedSize(double shown, int step) {
    QStringList offered = sizes();
    if (step < 0)
        std::reverse(offered.begin(), offered.end());
    for (const QString& size : offered)
        if (step > 0 ? size.toDouble() > shown : size.toDouble() < shown)
            return size;
    return std::nullopt;
}

std::optional<Style> styleFromWord(const QString& word) {
    if (word == QLatin1String("Regular"))
        return Style{false, false};
    if (word == QLatin1String("Italic"))
        return Style{false, true};
    if (word == QLatin1String("Bold"))
        return Style{true, false};
    if (word == QLatin1String("Bold Italic"))
        return Style{true, true};
    return std::nullopt;
}

} // namespace prefs
