#pragma once

#include "texts/modulelibrary.h"

#include <QByteArray>
#include <QByteArrayView>

#include <memory>
#include <mutex>

namespace sword {
class SWMgr;
class SWModule;
} // namespace sword

// The SWORD library's module manager, looking where it always looks (the system's module
// library, ~/.sword, SWORD_PATH), with every module's markup rendered as plain text.
class SwordLibrary : public texts::ModuleLibrary {
public:
    SwordLibrary();
    ~SwordLibrary() override;
    SwordLibrary(const SwordLibrary&) = delete;
    SwordLibrary& operator=(const SwordLibrary&) = delete;

    QString version() const override;
    QList<texts::ModuleFacts> bibleModules() override;
    QString readVerses(const QString& moduleName, texts::VerseSink& sink) override;

    // Marked-up verse text rendered through the named module's filters as its own verses are,
    // as the one line a rendering holds; nothing when there is no such Bible text module.
    QByteArray verseLine(const QString& moduleName, QByteArrayView markup);

private:
    sword::SWModule* bibleText(const QString& moduleName) const;

    // The library keeps buffers shared by every call: one call at a time.
    std::mutex m_calls;
    std::unique_ptr<sword::SWMgr> m_manager;
};
