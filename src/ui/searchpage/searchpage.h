#pragma once

#include "searchpage/searchview.h"

#include "scripture/resultline.h"

#include <QObject>

#include <optional>

class MousePointer;
class ResultLines;
class ScriptureText;

// The search page: the search box selects its whole text on entry, and leaving it, Enter in
// it or picking a book runs a search once both a query and a book are given. The box holds one
// line: Enter types no line break, and a pasted one becomes a space. The results replace the
// list's items in one step, so even every line of the text arrives at once; the list decodes
// only the lines it shows. A result picked is handed on to be opened.
class SearchPage : public QObject {
    Q_OBJECT
public:
    SearchPage(const SearchView& view, MousePointer& pointer, ScriptureText& scripture);

    // The scope list, the search box's prompt and the result list's hint, as the program starts.
    void prepare();

    void onQueryChanged();
    void onQueryBoxEntered();
    void onQueryBoxLeft();
    void onScopePicked();
    // Searches the book (every book when none) for the query, as given.
    void search(const QString& query, std::optional<int> book);

signals:
    // A search ran: what its results' chapters are to mark.
    void searched(const QStringList& markedTerms);
    // A result line was picked, by a key that moves through the list or otherwise.
    void resultPicked(const scripture::FoundLine& found, bool byKeyboard);
    // Enter or Return in the result list.
    void resultEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void searchIfReady();
    void pickResult();

    SearchView m_view;
    MousePointer& m_pointer;
    ScriptureText& m_scripture;
    std::shared_ptr<const ResultLines> m_results; // of the last search
};
