#pragma once

#include <QObject>
#include <QPointer>

class FontDialog;
class MessageBoxes;
class QAction;
class QWidget;

namespace prefs {
class DisplayFont;
}

// Options > Set Font: shows the Display Fonts dialog over the main window, both usable.
// There is one dialog at most; showing it again brings it forward without loading it again.
class SetFontCommand : public QObject {
    Q_OBJECT
public:
    SetFontCommand(QAction* setFont, QWidget& window, prefs::DisplayFont& font,
                   MessageBoxes& messages);

    void openDialog();

private:
    QWidget& m_window;
    prefs::DisplayFont& m_font;
    MessageBoxes& m_messages;
    QPointer<FontDialog> m_dialog;
};
