#pragma once

#include "storage/programfolder.h"

#include <QObject>

class TextBox;
struct Menus;

// Help > Contents: shows the instructions in the reading area, in place of the chapter.
class HelpPage : public QObject {
    Q_OBJECT
public:
    HelpPage(TextBox& readingText, const Menus& menus, ProgramFolder folder);

    void showHelp();

signals:
    // The reading area shows the instructions now, no chapter.
    void shown();

private:
    TextBox& m_readingText;
    const ProgramFolder m_folder;
};
