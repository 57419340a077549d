#include "prefs/fontstandins.h"

#include <QRegularExpression>

#include <utility>
#include <vector>

namespace prefs {
namespace {

const QStringList kSans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
const QStringList kSerif = {QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")};
const QStringList kFixed = {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")};

// Each name of the font list, with the families that may stand in for it, best first.
const std::vector<std::pair<QString, QStringList>>& standIns() {
    static const std::vector<std::pair<QString, QStringList>> table = {
        {QStringLiteral("Arial"), QStringList{"Liberation Sans", "Arimo"} + kSans},
        {QStringLiteral("Arial Black"), kSans},
        {QStringLiteral("Arial Narrow"), QStringList{"Liberation Sans Narrow"} + kSans},
        {QStringLiteral("Comic Sans MS"), QStringList{"Comic Neue"} + kSans},
        {QStringLiteral("Courier"), QStringList{"Liberation Mono", "Cousine"} + kFixed},
        {QStringLiteral("Courier New"), QStringList{"Liberation Mono", "Cousine"} + kFixed},
        {QStringLiteral("Fixedsys"), kFixed},
        {QStringLiteral("MS Sans Serif"), QStringList{"Liberation Sans"} + kSans},
        {QStringLiteral("MS Serif"), QStringList{"Liberation Serif"} + kSerif},
        {QStringLiteral("Small Fonts"), kSans},
        {QStringLiteral("System"), kSans},
        {QStringLiteral("Terminal"), kFixed},
        {QStringLiteral("Times New Roman"), QStringList{"Liberation Serif", "Tinos"} + kSerif},
        {QStringLiteral("Verdana"), kSans},
    };
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
