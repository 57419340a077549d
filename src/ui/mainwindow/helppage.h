#pragma once

#include <QObject>

class FrmBible;

// Help > Contents: shows the instructions in the reading area, in place of the chapter.
class HelpPage : public QObject {
public:
    explicit HelpPage(FrmBible& window);

    void mnuContents_Click();

private:
    FrmBible& m_window;
};
