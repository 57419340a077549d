#pragma once

#include "storage/filesystem.h"

#include <QMap>
#include <QString>

// The program's own settings, kept beside Pref.dat so a portable folder stays self-contained:
// what the window remembers from one run to the next. INI format, as QSettings writes it
// ("[Group]" lines, then "key=value"), so a user can read it and any INI reader can too. It
// goes through the file layer like every other stored file: only a plain file is read, and
// only so far; a save replaces it atomically and never writes through a link.
//
// A value that is missing or cannot be read is no value: the caller uses its default. Pref.dat
// and BkMrk.dat are never touched, and keys this program does not know are written back as read.
class SettingsFile {
public:
    // How many lines are read at most: more than the program ever writes.
    static constexpr qsizetype kMostLines = 1000;

    SettingsFile(FileSystem& files, QString path);

    // Reads the file; a missing, unreadable or damaged one leaves no values. The failure is
    // logged: the program goes on with its defaults.
    void load();
    // The value of "Group/key", empty when there is none.
    QString value(const QString& key) const { return m_values.value(key); }
    // The value as a whole number, or the fallback when it is missing or no number.
    int intValue(const QString& key, int fallback) const;
    void setValue(const QString& key, const QString& value) { m_values.insert(key, value); }
    void remove(const QString& key) { m_values.remove(key); }
    // Writes the values; a file that already holds them is not touched.
    FileSystem::Result save();

    // The values as the file holds them, and read back: one text format in one place.
    static QString format(const QMap<QString, QString>& values);
    static QMap<QString, QString> parse(const QString& text);

private:
    FileSystem& m_files;
    QString m_path;
    QMap<QString, QString> m_values;
};
