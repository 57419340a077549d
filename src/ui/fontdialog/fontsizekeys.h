#pragma once

#include "prefs/sizesteps.h"

#include <QObject>

class MessageBoxes;
class QAction;
class QWidget;

namespace prefs {
class DisplayFont;
}

// Bigger text made easy: Options > Bigger Text and Smaller Text (Ctrl+Plus and Ctrl+Minus), or
// Ctrl with the wheel over the reading area, step the display font through the sizes Display
// Fonts offers; Normal Size (Ctrl+0) goes back to the size the steps started from. Each step is
// shown and saved in Pref.dat at once, and selected in Display Fonts when it is open.
class FontSizeKeys : public QObject {
    Q_OBJECT
public:
    struct Commands {
        QAction* biggerText;
        QAction* smallerText;
        QAction* normalSize;
        QWidget* wheelArea; // where Ctrl with the wheel steps
    };
    FontSizeKeys(const Commands& commands, prefs::DisplayFont& font, MessageBoxes& messages);

    void step(int step);
    void backToStart();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(std::optional<double> points);

    prefs::DisplayFont& m_font;
    MessageBoxes& m_messages;
    prefs::SizeSteps m_steps;
    int m_wheelTurn = 0; // of the wheel, in eighths of a degree, not yet a step
};
