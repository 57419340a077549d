#pragma once

#include <QString>
#include <QStringList>

// Where the program's files are: the folder Bible.dat is read from, and the folder that holds
// what the program writes (Pref.dat, BkMrk.dat, the Verses folder and the reader's marks). A
// portable copy keeps both in one folder; an installed one reads Bible.dat where it was installed
// and writes in the user's own data folder. Everything takes its paths from one instance, so a test
// can point the whole program at a temporary folder.
class ProgramFolder {
public:
    // One folder for everything.
    explicit ProgramFolder(const QString& path);
    // Bible.dat was looked for in the folders searched, in order (only the scripture folder when
    // none are given); the last is the scripture folder when none held it.
    ProgramFolder(const QString& scriptureFolder, const QString& dataFolder,
                  const QStringList& searched = {});

    const QString& scriptureFolder() const { return m_scripture; }
    const QString& dataFolder() const { return m_data; }
    const QStringList& searchedForBible() const { return m_searched; }
    // Installed: Bible.dat is read where the program was installed, which is not the user's.
    bool installed() const { return m_scripture != m_data; }

    QString biblePath() const { return m_scripture + QStringLiteral("/Bible.dat"); }
    QString preferencesPath() const { return dataFile(QStringLiteral("Pref.dat")); }
    QString bookmarkPath() const { return dataFile(QStringLiteral("BkMrk.dat")); }
    // What the window remembers between runs, in the program's own INI file.
    QString settingsPath() const { return dataFile(QStringLiteral("Vellumark.ini")); }
    QString versesFolder() const { return dataFile(QStringLiteral("Verses")); }
    // The reader's own marks: bookmarks and highlighted verses, a file each, and a note a file.
    QString bookmarksPath() const { return dataFile(QStringLiteral("Bookmarks.txt")); }
    QString highlightsPath() const { return dataFile(QStringLiteral("Highlights.txt")); }
    QString notesFolder() const { return dataFile(QStringLiteral("Notes")); }

private:
    QString dataFile(const QString& name) const { return m_data + QLatin1Char('/') + name; }

    QString m_scripture;
    QString m_data;
    QStringList m_searched;
};

namespace storage {

// What start-up tells the user when Bible.dat is missing: every folder it was looked for in,
// and what helps: putting it in the one folder, or reinstalling an installed program.
QString scriptureMissingText(const ProgramFolder& folder);

} // namespace storage
