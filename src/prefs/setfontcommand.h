#pragma once

#include <QObject>
#include <QPointer>

class FrmBible;
class FrmFont;
struct Platform;

// Options > Set Font: shows the Display Fonts dialog beside the main window, both usable.
// There is one dialog at most; showing it again brings it forward without loading it again.
class SetFontCommand : public QObject {
    Q_OBJECT
public:
    SetFontCommand(FrmBible& window, Platform& platform);

    void mnuSetFont_Click();

private:
    FrmBible& m_window;
    Platform& m_platform;
    QPointer<FrmFont> m_dialog;
};
