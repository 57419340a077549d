#pragma once

#include <QObject>
#include <QPointer>

class FontDialog;
class MainWindow;
class MessageBoxes;
class QWidget;
struct Storage;

// Options > Set Font: shows the Display Fonts dialog over the main window, both usable.
// There is one dialog at most; showing it again brings it forward without loading it again.
class SetFontCommand : public QObject {
    Q_OBJECT
public:
    SetFontCommand(MainWindow& window, Storage& storage, MessageBoxes& messages);

    void openDialog();
    // The dialog while it is open, else null.
    FontDialog* dialog() const;

private:
    MainWindow& m_window;
    Storage& m_storage;
    MessageBoxes& m_messages;
    QPointer<FontDialog> m_dialog;
};
