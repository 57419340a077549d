#include "controls/fontsubstitution.h"

#include "prefs/fontstandins.h"
#include "prefs/preferencesrecord.h"

#include <QFont>
#include <QFontDatabase>

// A substitution is consulted only for a family the system does not have, so a name that is
// installed after all is shown in itself.
void substituteMissingFonts() {
    const QStringList installed = QFontDatabase::families();
    for (const QString& name : prefs::fontNames())
        if (const std::optional<QString> family = prefs::standInFamily(name, installed);
            family && !QFont::substitutes(name).contains(*family))
            QFont::insertSubstitution(name, *family);
}
