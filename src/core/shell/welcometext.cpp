#include "shell/welcometext.h"

#include "text/linebreak.h"

#include <QStringList>

QString shell::welcomeText() {
    const QStringList lines = {
        QStringLiteral("VELLUMARK"),
        QStringLiteral("The Authorized Orrisant Version"),
        QStringLiteral("Conformable to the Edition of 1611"),
        QString(),
        QStringLiteral("Copyright (c) 2026 Lanternfield Software"),
        QString(),
        QString(),
        QString(),
        QStringLiteral("This program is funded by our sponsor"),
        QStringLiteral("Harbour Lane Booksellers"),
        QStringLiteral("Bibles, study books and reading lamps for every home"),
        QStringLiteral("www.harbourlane.example"),
    };
    return lines.join(text::kCrLf);
}
