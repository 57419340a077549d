#pragma once

#include <QObject>

class FrmBible;
class MousePointer;
class ScriptureText;

// The search page: the search box selects its whole text on entry, and leaving it, Enter in
// it or picking a book runs a search once both a query and a book are given. The box holds one
// line: Enter types no line break, and a pasted one becomes a space. The results replace the list's
// items in one step, so even every line of the text arrives at once; the list decodes only the
// lines it shows.
class SearchPage : public QObject {
    Q_OBJECT
public:
    SearchPage(FrmBible& window, MousePointer& pointer, ScriptureText& scripture);

    void TextSearch_Change();
    void TextSearch_GotFocus();
    void TextSearch_LostFocus();
    void ComboSearch_Click();
    void Search();

signals:
    // A search ran: what its results' chapters are to mark.
    void searched(const QStringList& markedTerms);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void searchIfReady();

    FrmBible& m_window;
    MousePointer& m_pointer;
    ScriptureText& m_scripture;
};
