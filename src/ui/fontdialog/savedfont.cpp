#include "fontdialog/savedfont.h"

#include "services/messageboxes.h"
#include "text/linebreak.h"

void tellFontNotSaved(MessageBoxes& messages, const QString& error) {
    messages.ask(QStringLiteral("The display font could not be saved.") + text::kCrLf + error,
                 MessageBoxes::OkOnly, kFontDialogTitle);
}
