#pragma once

#include <QWidget>

class ListBox;
class MainWindow;
class MessageBoxes;
struct Storage;

// The Display Fonts dialog: three fixed lists (font, style, size). Every choice applies at
// once to the main window's display controls and is saved to Pref.dat at once; there is
// nothing to confirm. Loading it preselects the saved choice, and each preselection acts as
// a pick. Closing it, by its close box or by Esc, unloads it (the widget is deleted).
class FontDialog : public QWidget {
    Q_OBJECT
public:
    // A window of its own over the main window, whose display controls it sets.
    FontDialog(MainWindow& mainWindow, Storage& storage, MessageBoxes& messages);

    void onFontPicked();
    void onStylePicked();
    void onSizePicked();
    void saveFont();
    // Picks the size as a click in the size list would; false when the list offers no such size.
    bool pickSize(const QString& size);

signals:
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void preselectSavedChoice();
    template <typename Change> void changeDisplayFonts(Change change);

    ListBox* m_fontList;  // "ListFonts"
    ListBox* m_styleList; // "ListFontStyle"
    ListBox* m_sizeList;  // "ListSize"
    MainWindow& m_mainWindow;
    Storage& m_storage;
    MessageBoxes& m_messages;
    bool m_loading = false;
    bool m_reportedWhileLoading = false;
};
