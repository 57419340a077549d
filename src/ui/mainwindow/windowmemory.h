#pragma once

#include <QObject>
#include <QRect>

class SettingsFile;
class QWidget;

// The main window's place from one run to the next: restored from the settings before the
// window is first shown, and put back into them as it closes. A maximized window keeps the
// place it had before, to go back to.
class WindowMemory : public QObject {
    Q_OBJECT
public:
    WindowMemory(QWidget& window, SettingsFile& settings);

    // Before the window is first shown; and right after, what only a shown window can be.
    void restore();
    void maximizeIfKept();
    void keep();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    SettingsFile& m_settings;
    bool m_maximize = false;
    QRect m_normal; // the frame's position and the size within it, when last neither maximized
                    // nor full screen
};
