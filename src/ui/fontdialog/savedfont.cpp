#include "fontdialog/savedfont.h"

#include "services/messageboxes.h"
#include "text/linebreak.h"

#include <QWidget>

void applyFontRequest(const prefs::FontRequest& request, const QList<QWidget*>& controls) {
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

void tellFontNotSaved(MessageBoxes& messages, const QString& error) {
    messages.ask(QStringLiteral("The display font could not be saved.") + text::kCrLf + error,
                 MessageBoxes::OkOnly, kFontDialogTitle);
}
