#include "texts/libraryloader.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#ifndef VELLUMARK_TEXTS_ENTRY
#error "VELLUMARK_TEXTS_ENTRY names the texts library's entry; the build defines it"
#endif

namespace texts {
namespace {

constexpr char kEntryName[] = QT_STRINGIFY(VELLUMARK_TEXTS_ENTRY);

} // namespace

QStringList libraryPaths(const QString& executableFolder) {
    const QString name = QLatin1String(kLibraryFileName);
    const QDir folder(executableFolder);
    return {folder.filePath(name),
            QDir::cleanPath(folder.filePath(QStringLiteral(VELLUMARK_TEXTS_LIBRARY_FROM_BIN) +
                                            QLatin1Char('/') + name))};
}

OpenedLibrary openLibrary(const QStringList& paths) {
    for (const QString& path : paths) {
        if (!QFileInfo(path).isFile())
            continue;
        QLibrary library(path);
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!library.load())
            return {nullptr, library.errorString()};
        if (const auto entry = reinterpret_cast<LibraryEntry>(library.resolve(kEntryName)))
            return {std::unique_ptr<ModuleLibrary>(entry()), {}};
        library.unload();
        return {nullptr, QDir::toNativeSeparators(path) +
                             QStringLiteral(" belongs to another version of Vellumark.")};
    }
    return {nullptr,
            QStringLiteral("the library that reads SWORD modules is missing; looked for ") +
                QDir::toNativeSeparators(paths.join(QStringLiteral(" and ")))};
}

} // namespace texts
