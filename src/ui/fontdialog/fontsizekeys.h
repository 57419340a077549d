#pragma once

#include <QObject>

#include <optional>

class MainWindow;
class MessageBoxes;
class SetFontCommand;
struct Storage;

// Bigger text made easy: Options > Bigger Text and Smaller Text (Ctrl+Plus and Ctrl+Minus), or
// Ctrl with the wheel over the reading area, step the display font through the sizes Display
// Fonts offers; Normal Size (Ctrl+0) goes back to the size the steps started from. A step is a pick
// of that size in Display Fonts: applied to the display controls and saved in Pref.dat at once, and
// selected in the dialog when it is open.
class FontSizeKeys : public QObject {
    Q_OBJECT
public:
    FontSizeKeys(MainWindow& window, SetFontCommand& setFont, Storage& storage,
                 MessageBoxes& messages);

    void step(int step);
    void backToStart();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double shownSize() const;
    void show(const QString& size);

    MainWindow& m_window;
    SetFontCommand& m_setFont;
    Storage& m_storage;
    MessageBoxes& m_messages;
    std::optional<double> m_start;   // the size before the first of the latest steps
    std::optional<double> m_stepped; // the size the latest step showed
    int m_wheelTurn = 0;             // of the wheel, in eighths of a degree, not yet a step
};
