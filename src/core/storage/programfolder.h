#pragma once

#include <QString>

// The program's own folder (the folder of the executable): Bible.dat, Pref.dat, BkMrk.dat and
// the Verses folder live here. Everything takes it from one instance, so a test can point the
// whole program at a temporary folder.
class ProgramFolder {
public:
    explicit ProgramFolder(QString path);
    static ProgramFolder ofExecutable();

    const QString& path() const { return m_path; }
    QString file(const QString& name) const;
    QString versesFolder() const;
    QString verseFile(const QString& fileName) const;

    QString biblePath() const { return file(QStringLiteral("Bible.dat")); }
    QString preferencesPath() const { return file(QStringLiteral("Pref.dat")); }
    QString bookmarkPath() const { return file(QStringLiteral("BkMrk.dat")); }

private:
    QString m_path;
};
