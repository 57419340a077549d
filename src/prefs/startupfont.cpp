#include "prefs/startupfont.h"

#include "app/filesystem.h"
#include "app/frmbible.h"
#include "app/platform/platform.h"

#include <QWidget>

namespace preferences {

void writeDefaultIfMissing(Platform& platform) {
    const QString path = platform.folder.preferencesPath();
    if (!platform.files.fileExists(path))
        platform.files.writeAll(path, kDefaultRecord); // a read-only folder keeps the design font
}

void applySavedFont(Platform& platform, FrmBible& window) {
    const QString path = platform.folder.preferencesPath();
    if (!platform.files.fileExists(path))
        return;
    QStringList lines;
    if (!platform.files.readLines(path, lines).ok)
        return;
    applyRequest(requestFromLines(lines), window.displayControls());
}

void applyRequest(const FontRequest& request, const QList<QWidget*>& controls) {
    for (QWidget* control : controls) {
        QFont font = control->font();
        if (request.family)
            font.setFamily(*request.family);
        if (request.bold)
            font.setBold(true);
        if (request.italic)
            font.setItalic(true);
        if (request.pointSize)
            font.setPointSizeF(*request.pointSize);
        control->setFont(font);
    }
}

} // namespace preferences
