#pragma once

#include <QObject>
#include <QPointer>

class FrmBible;
class FrmFont;
class MessageBoxes;
class QWidget;
struct Storage;

// Options > Set Font: shows the Display Fonts dialog over the main window, both usable.
// There is one dialog at most; showing it again brings it forward without loading it again.
class SetFontCommand : public QObject {
    Q_OBJECT
public:
    SetFontCommand(FrmBible& window, Storage& storage, MessageBoxes& messages);

    void mnuSetFont_Click();

private:
    void placeOverWindow(QWidget& dialog) const;

    FrmBible& m_window;
    Storage& m_storage;
    MessageBoxes& m_messages;
    QPointer<FrmFont> m_dialog;
};
