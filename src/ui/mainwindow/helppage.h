#pragma once

#include <QObject>

class FrmBible;

// Help > Contents: shows the instructions in the reading area, in place of the chapter.
class HelpPage : public QObject {
    Q_OBJECT
public:
    explicit HelpPage(FrmBible& window);

    void mnuContents_Click();

signals:
    // The reading area shows the instructions now, no chapter.
    void shown();

private:
    FrmBible& m_window;
};
