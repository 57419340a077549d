#pragma once

#include <QString>

class FrmBible;
class ScriptureText;
struct Platform;

// The search page: the search box selects its whole text on entry, and leaving it or picking a
// book runs a search once both a query and a book are given. The results replace the list's
// items in one step, so even every line of the text arrives at once.
class SearchPage {
public:
    SearchPage(FrmBible& window, Platform& platform, ScriptureText& scripture);

    inline static const QString kPrompt =
        QStringLiteral("Enter search words, phrase, or verse and select book.");
    inline static const QString kNoBook = QStringLiteral("Select Book");

    void TextSearch_GotFocus();
    void TextSearch_LostFocus();
    void ComboSearch_Click();
    void Search();

    // Whether the last search found what it looked for; kept apart from every other flag.
    bool found() const { return m_found; }

private:
    void searchIfReady();

    FrmBible& m_window;
    Platform& m_platform;
    ScriptureText& m_scripture;
    bool m_found = false;
};
