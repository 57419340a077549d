#pragma once

#include "prefs/displayfont.h"
#include "report/failurerun.h"

#include <QWidget>

class ListBox;
class MessageBoxes;

// The Display Fonts dialog: three fixed lists (font, style, size). Every choice is given at
// once to the display font, which shows and saves it; there is nothing to confirm. Loading it
// preselects the saved choice, and each preselection acts as a pick. A size chosen elsewhere
// while it is open is selected in its list. Closing it, by its close box or by Esc, unloads it
// (the widget is deleted).
class FontDialog : public QWidget {
    Q_OBJECT
public:
    // A window of its own over the given one.
    FontDialog(QWidget& over, prefs::DisplayFont& font, MessageBoxes& messages);

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void preselectSavedChoice();
    void choose(prefs::FontPart picked);
    void showSize(double points);

    ListBox* m_fontList;  // "ListFonts"
    ListBox* m_styleList; // "ListFontStyle"
    ListBox* m_sizeList;  // "ListSize"
    prefs::DisplayFont& m_font;
    MessageBoxes& m_messages;
    report::FailureRun m_preselection; // its three saves fail alike
};
