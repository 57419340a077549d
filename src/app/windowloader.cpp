#include "windowloader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace {

// Beside the executable (a build, a portable copy), then where it is installed.
QStringList candidatePaths(const QString& executableFolder) {
    const QString name = QLatin1String(windowlibrary::kFileName);
    const QDir folder(executableFolder);
    return {folder.filePath(name),
            QDir::cleanPath(folder.filePath(QStringLiteral(VELLUMARK_WINDOW_LIBRARY_FROM_BIN) +
                                            QLatin1Char('/') + name))};
}

} // namespace

// Only a plain file is opened: the loader would wait on a pipe put in the library's place.
LoadedWindow loadWindowLibrary(const QString& executableFolder) {
    const QStringList paths = candidatePaths(executableFolder);
    for (const QString& path : paths) {
        if (!QFileInfo(path).isFile())
            continue;
        void* library = ::dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return {nullptr, QString::fromLocal8Bit(::dlerror()) + QLatin1Char('\n')};
        if (void* entry = ::dlsym(library, windowlibrary::kEntryName))
            return {reinterpret_cast<windowlibrary::Entry>(entry), {}};
        ::dlclose(library);
        return {nullptr, QDir::toNativeSeparators(path) +
                             QStringLiteral(" belongs to another version of Vellumark.\n")};
    }
    return {nullptr, QStringLiteral("the window's library is missing; looked for ") +
                         QDir::toNativeSeparators(paths.join(QStringLiteral(" and "))) +
                         QLatin1Char('\n')};
}
