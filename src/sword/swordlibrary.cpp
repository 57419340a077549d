#include "swordlibrary.h"

#include "texts/plainoptions.h"
#include "texts/verseline.h"

#include <QStringDecoder>
#include <QStringList>

#include <markupfiltmgr.h>
#include <swmgr.h>
#include <swmodule.h>
#include <swversion.h>
#include <versekey.h>

#include <cstring>

namespace {

// A module's configuration is in UTF-8 when the module is, and in Latin-1 otherwise; a
// configuration that is not valid UTF-8 is read as Latin-1.
QString configurationText(const char* bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArrayView(bytes ? bytes : ""));
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QString entryOf(const sword::SWModule& module, const char* key) {
    return configurationText(module.getConfigEntry(key));
}

// Every entry as the module manager read it: the module's own configuration file, and what the
// user's configuration adds to it (an unlock key).
QString configurationOf(const sword::SWModule& module) {
    QString entries;
    for (const auto& [key, value] : module.getConfig())
        entries += configurationText(key.c_str()) + QLatin1Char('=') +
                   configurationText(value.c_str()) + QLatin1Char('\n');
    return entries;
}

// A module sold locked has an empty unlock key until its buyer enters one: its text is then
// unreadable.
bool isLocked(const sword::SWModule& module) {
    const char* key = module.getConfigEntry("CipherKey");
    return key && !*key;
}

QByteArrayView viewOf(const sword::SWBuf& buffer) {
    return {buffer.c_str(), qsizetype(buffer.length())};
}

// Every option set for a plain rendering of the text as written.
void renderPlain(sword::SWMgr& manager) {
    for (const sword::SWBuf& option : manager.getGlobalOptions()) {
        QStringList values;
        for (const sword::SWBuf& value : manager.getGlobalOptionValues(option.c_str()))
            values << QString::fromUtf8(value.c_str());
        const QString chosen = texts::plainOptionValue(QString::fromUtf8(option.c_str()), values);
        manager.setGlobalOption(option.c_str(), chosen.toUtf8().constData());
    }
}

} // namespace

SwordLibrary::SwordLibrary()
    : m_manager(std::make_unique<sword::SWMgr>(
          new sword::MarkupFilterMgr(sword::FMT_PLAIN, sword::ENC_UTF8))) {
    renderPlain(*m_manager);
}

SwordLibrary::~SwordLibrary() = default;

QString SwordLibrary::version() const {
    return QString::fromLatin1(sword::SWVersion::currentVersion.getText());
}

QList<texts::ModuleFacts> SwordLibrary::bibleModules() {
    const std::lock_guard lock(m_calls);
    QList<texts::ModuleFacts> modules;
    for (const auto& [name, module] : m_manager->getModules()) {
        if (std::strcmp(module->getType(), sword::SWMgr::MODTYPE_BIBLES) != 0)
            continue;
        modules.append({configurationText(module->getName()), entryOf(*module, "Abbreviation"),
                        configurationText(module->getDescription()), configurationOf(*module),
                        entryOf(*module, "AbsoluteDataPath")});
    }
    return modules;
}

sword::SWModule* SwordLibrary::bibleText(const QString& moduleName) const {
    sword::SWModule* module = m_manager->getModule(moduleName.toUtf8().constData());
    if (!module || std::strcmp(module->getType(), sword::SWMgr::MODTYPE_BIBLES) != 0 ||
        !SWDYNAMIC_CAST(sword::VerseKey, module->getKey()))
        return nullptr;
    return module;
}

// Verse by verse in the module's own order, each book announced before its verses; a book none
// of whose verses are wanted is passed over unrendered.
QString SwordLibrary::readVerses(const QString& moduleName, texts::VerseSink& sink) {
    const std::lock_guard lock(m_calls);
    sword::SWModule* module = bibleText(moduleName);
    if (!module)
        return QStringLiteral("the SWORD library has no Bible text of that name.");
    if (isLocked(*module))
        return QStringLiteral("it is locked, and its unlock key has not been entered.");
    auto* key = SWDYNAMIC_CAST(sword::VerseKey, module->getKey());
    key->setIntros(false);
    module->setSkipConsecutiveLinks(true);
    module->setPosition(sword::TOP);
    int book = -1;
    bool wanted = false;
    for (; !module->popError() && !sink.stopped(); module->increment()) {
        if (const int at = key->getTestament() * 1000 + key->getBook(); at != book) {
            book = at;
            wanted = sink.beginBook(key->getOSISBookName());
        }
        if (wanted)
            sink.verse(key->getChapter(), key->getVerse(), viewOf(module->renderText()));
    }
    return {};
}

QByteArray SwordLibrary::verseLine(const QString& moduleName, QByteArrayView markup) {
    const std::lock_guard lock(m_calls);
    const sword::SWModule* module = bibleText(moduleName);
    if (!module)
        return {};
    const QByteArray text = markup.toByteArray();
    return texts::verseLine(viewOf(module->renderText(text.constData(), int(text.size()))));
}
