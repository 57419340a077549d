#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace prefs {

// The installed family that shows one of the Display Fonts names on a system without it: a
// family made to the same measures where there is one, otherwise a plain one of the same kind
// (sans serif, serif or fixed width), so no name falls to whatever the system picks. Nothing
// when the system has the name itself, or none of the families that can stand in for it. The
// installed families are compared without letter case and without a foundry in brackets
// ("Nimbus Sans [urw]").
std::optional<QString> standInFamily(const QString& fontName, const QStringList& installed);

} // namespace prefs
