#pragma once

#include "storage/filesystem.h"
#include "support/testfiles.h"
#include "texts/textshelf.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <rawtext.h>

// One OSIS Bible text module, Test, made by the SWORD library itself; a verse is "Gen 1:1=text".
class ModuleFolder {
public:
    ModuleFolder(const QString& versification, const QString& configuration)
        : m_versification(versification.toUtf8()) {
        QDir(m_folder.path()).mkpath("mods.d");
        QDir(m_folder.path()).mkpath(kData);
        sword::RawText::createModule(m_folder.filePath(kData).toUtf8(), m_versification);
        describe(configuration);
    }
    void describe(const QString& configuration) {
        QByteArray description = "[Test]\nDataPath=./" + kData.toUtf8() +
                                 "/\nModDrv=RawText\nSourceType=OSIS\nEncoding=UTF-8\n"
                                 "Description=Test Bible\nVersification=" +
                                 m_versification + '\n' + configuration.toUtf8() + '\n';
        for (const char* filter : {"OSISStrongs", "OSISMorph", "OSISFootnotes", "OSISHeadings",
                                   "OSISScripref", "OSISLemma", "OSISVariants", "UTF8GreekAccents"})
            description += QByteArray("GlobalOptionFilter=") + filter + '\n';
        testfiles::put(m_folder.filePath("mods.d/test.conf"), description);
    }
    void write(const QStringList& verses) {
        sword::RawText module(m_folder.filePath(kData).toUtf8(), nullptr, nullptr, nullptr,
                              sword::ENC_UTF8, sword::DIRECTION_LTR, sword::FMT_OSIS, nullptr,
                              m_versification);
        for (const QString& verse : verses) {
            module.setKeyText(verse.section('=', 0, 0).toUtf8());
            module.setEntry(verse.section('=', 1).toUtf8());
        }
    }
    // Where the module's mods.d and data are: SWORD_PATH for it.
    QString path() const { return m_folder.path(); }
    QStringList cached() const {
        return QDir(m_folder.filePath("cache")).entryList(QDir::Files, QDir::Name);
    }
    QString cachePath(const QString& name) const { return m_folder.filePath("cache/" + name); }

    // The lines of the module's rendering, as a start of the program loads its library; or why not.
    QByteArray rendered() {
        qputenv("SWORD_PATH", m_folder.path().toUtf8());
        texts::TextShelf shelf(m_files, {}, m_folder.filePath("cache"), [] {
            return texts::openLibrary(texts::libraryPaths(QCoreApplication::applicationDirPath()));
        });
        const texts::Rendering rendering = shelf.fileOf(shelf.texts().value(1));
        if (rendering.path.isEmpty())
            return rendering.problem.toUtf8();
        return testfiles::bytesOf(rendering.path).mid(FileSystem::kUtf8ByteOrderMark.size());
    }

private:
    inline static const QString kData = QStringLiteral("modules/texts/rawtext/test");
    QByteArray m_versification;
    QTemporaryDir m_folder;
    FileSystem m_files;
};
