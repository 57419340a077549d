#pragma once

class FrmBible;
class ScriptureText;
struct Platform;

// The verse lookup of the favorites page: the reference field keeps only what a reference may
// hold, and leaving it (or changing the book) shows the verses it names in the result box.
class VerseLookup {
public:
    // The lookup clears the favorites' changed flag.
    VerseLookup(FrmBible& window, Platform& platform, ScriptureText& scripture, bool& blnCheck);

    void TextVersesFavorites_Change();
    void TextVersesFavorites_LostFocus();
    void ComboBookFavorites_Change();
    void ListVerses();

private:
    void startLookup();

    FrmBible& m_window;
    Platform& m_platform;
    ScriptureText& m_scripture;
    bool& m_blnCheck;
};
