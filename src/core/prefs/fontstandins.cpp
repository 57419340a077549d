#include "prefs/fontstandins.h"

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

// A family as the font system names it with its maker in brackets at the end
// ("Liberation Sans [1ASC]"), plain; read by hand, as this runs at every start.
QString withoutFoundry(const QString& family) {
    if (!family.endsWith(QLatin1Char(']')))
        return family;
    const qsizetype open =
        family.indexOf(QLatin1Char('['), family.lastIndexOf(QLatin1Char(']'), -2) + 1);
    if (open < 0)
        return family;
    qsizetype end = open;
    while (end > 0 && family[end - 1].isSpace())
        --end;
    return family.left(end);
}

QStringList withoutFoundries(const QStringList& families) {
    QStringList plain;
    plain.reserve(families.size());
    for (const QString& family : families)
        plain.append(withoutFoundry(family));
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
