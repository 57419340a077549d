#pragma once

#include "storage/programfolder.h"

#include <QObject>

class FrmBible;

// Help > Contents: shows the instructions in the reading area, in place of the chapter.
class HelpPage : public QObject {
    Q_OBJECT
public:
    HelpPage(FrmBible& window, ProgramFolder folder);

    void mnuContents_Click();

signals:
    // The reading area shows the instructions now, no chapter.
    void shown();

private:
    FrmBible& m_window;
    const ProgramFolder m_folder;
};
