#pragma once

#include <QWidget>

class FrmBible;
class ListBox;
class QLabel;
class MessageBoxes;
struct Storage;

// The Display Fonts dialog: three fixed lists (font, style, size). Every choice applies at
// once to the main window's display controls and is saved to Pref.dat at once; there is
// nothing to confirm. Loading it preselects the saved choice, and each preselection acts as
// a click. Closing it, by its close box or by Esc, unloads it (the widget is deleted).
class FrmFont : public QWidget {
    Q_OBJECT
public:
    FrmFont(FrmBible& main, Storage& storage, MessageBoxes& messages);

    QLabel* Label1;
    ListBox* ListFonts;
    QLabel* Label2;
    ListBox* ListFontStyle;
    QLabel* Label3;
    ListBox* ListSize;

    void ListFonts_Click();
    void ListFontStyle_Click();
    void ListSize_Click();
    void SaveFont();

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void Form_Load();
    template <typename Change> void changeDisplayFonts(Change change);

    QList<QWidget*> m_displayControls;
    Storage& m_storage;
    MessageBoxes& m_messages;
    bool m_loading = false;
    bool m_reportedWhileLoading = false;
};
