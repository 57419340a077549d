#pragma once

#include <QLoggingCategory>

// What the program handles without telling the user is logged as a warning, one category per
// subsystem: a default file it could not make, a leftover save it could not remove, a scripture
// text a request could not read, a subject file it can no longer follow. Warnings show on
// standard error (the desktop's journal for a program started from a menu); QT_LOGGING_RULES
// silences them ("vellumark.*=false") or adds the debug messages ("vellumark.*.debug=true").
namespace report {

Q_DECLARE_LOGGING_CATEGORY(lcFiles)     // vellumark.files: the file layer and the data files
Q_DECLARE_LOGGING_CATEGORY(lcScripture) // vellumark.scripture: Bible.dat
Q_DECLARE_LOGGING_CATEGORY(lcFavorites) // vellumark.favorites: the subjects
Q_DECLARE_LOGGING_CATEGORY(lcTexts)     // vellumark.texts: the SWORD modules' renderings

} // namespace report
