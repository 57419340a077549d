#pragma once

#include "storage/filesystem.h"

#include <functional>

// The real file layer, but a test can make reads or writes of chosen paths fail, as for a file
// without permission or a full disk.
struct FaultyFileSystem : FileSystem {
    using Rule = std::function<bool(const QString& path)>;
    Rule failWrite = [](const QString&) { return false; };
    Rule failRead = [](const QString&) { return false; };
    std::function<void()> afterRead; // after each read of bytes, on the thread that read

    inline static const QString kDenied = QStringLiteral("Permission denied");

    Result canRead(const QString& path) const override {
        return failRead(path) ? Result{false, kDenied} : FileSystem::canRead(path);
    }
    BytesResult readBytes(const QString& path, qsizetype lineCount = -1) const override {
        if (failRead(path))
            return {false, {}, kDenied};
        BytesResult read = FileSystem::readBytes(path, lineCount);
        if (afterRead)
            afterRead();
        return read;
    }
    bool mayReadDirectly() const override { return false; }
    Result writeBytes(const QString& path, const QByteArray& bytes) override {
        return failWrite(path) ? Result{false, QStringLiteral("No space left on device")}
                               : FileSystem::writeBytes(path, bytes);
    }
};
