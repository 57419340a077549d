#pragma once

#include <QCoreApplication>

// The name is the user's data folder's name (no organisation folder above it).
inline void nameTheApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Vellumark"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLUMARK_VERSION));
}
