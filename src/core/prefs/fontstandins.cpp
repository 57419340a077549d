#include "prefs/fontstandins.h"

#include <QRegularExpression>

#include <utility>
#include <vector>

namespace prefs {
namespace {

// Each name of the font list, with the families that may stand in for it, best first.
const std::vector<std::pair<QString, QStringList>>& standIns() {
    static const auto table = [] {
        const QStringList sans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
        const QStringList serif = {QStringLiteral("DejaVu Serif"),
                                   QStringLiteral("Liberation Serif")};
        const QStringList fixed = {QStringLiteral("DejaVu Sans Mono"),
                                   QStringLiteral("Liberation Mono")};
        return std::vector<std::pair<QString, QStringList>>{
            {QStringLiteral("Arial"), QStringList{"Liberation Sans", "Arimo"} + sans},
            {QStringLiteral("Arial Black"), sans},
            {QStringLiteral("Arial Narrow"), QStringList{"Liberation Sans Narrow"} + sans},
            {QStringLiteral("Comic Sans MS"), QStringList{"Comic Neue"} + sans},
            {QStringLiteral("Courier"), QStringList{"Liberation Mono", "Cousine"} + fixed},
            {QStringLiteral("Courier New"), QStringList{"Liberation Mono", "Cousine"} + fixed},
            {QStringLiteral("Fixedsys"), fixed},
            {QStringLiteral("MS Sans Serif"), QStringList{"Liberation Sans"} + sans},
            {QStringLiteral("MS Serif"), QStringList{"Liberation Serif"} + serif},
            {QStringLiteral("Small Fonts"), sans},
            {QStringLiteral("System"), sans},
            {QStringLiteral("Terminal"), fixed},
            {QStringLiteral("Times New Roman"), QStringList{"Liberation Serif", "Tinos"} + serif},
            {QStringLiteral("Verdana"), sans},
        };
    }();
    return table;
}

QStringList withoutFoundries(const QStringList& families) {
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList plain;
    for (const QString& family : families)
        plain.append(QString(family).remove(foundry));
    return plain;
}

} // namespace

std::optional<QString> standInFamily(const QString& fontName, const QStringList& installed) {
    const QStringList families = withoutFoundries(installed);
    if (families.contains(fontName, Qt::CaseInsensitive))
        return std::nullopt;
    for (const auto& [name, standIns] : standIns()) {
        if (name != fontName)
            continue;
        for (const QString& family : standIns)
            if (families.contains(family, Qt::CaseInsensitive))
                return family;
    }
    return std::nullopt;
}

} // namespace prefs
