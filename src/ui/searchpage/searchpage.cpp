#include "searchpage/searchpage.h"

#include "controls/combobox.h"
#include "controls/listbox.h"
#include "controls/textbox.h"
#include "mainwindow/frmbible.h"
#include "scripture/scripturetext.h"
#include "search/searchengine.h"
#include "search/searchreadiness.h"
#include "search/termmarks.h"
#include "services/mousepointer.h"

SearchPage::SearchPage(FrmBible& window, MousePointer& pointer, ScriptureText& scripture)
    : m_window(window)
    , m_pointer(pointer)
    , m_scripture(scripture) {
    connect(window.TextSearch, &TextBox::gotFocus, this, &SearchPage::TextSearch_GotFocus);
    connect(window.TextSearch, &TextBox::lostFocus, this, &SearchPage::TextSearch_LostFocus);
    connect(window.ComboSearch, &ComboBox::picked, this, &SearchPage::ComboSearch_Click);
}

void SearchPage::TextSearch_GotFocus() {
    m_window.TextSearch->setSelStart(0);
    m_window.TextSearch->setSelLength(int(m_window.TextSearch->text().size()));
}

void SearchPage::TextSearch_LostFocus() {
    searchIfReady();
}

void SearchPage::ComboSearch_Click() {
    searchIfReady();
}

void SearchPage::searchIfReady() {
    const std::optional<QString> query =
        search::queryWhenReady(m_window.TextSearch->text(), m_window.ComboSearch->text());
    if (!query)
        return;
    m_window.TextSearch->setText(*query);
    if (!query->isEmpty())
        Search();
}

void SearchPage::Search() {
    BusyScope busy(m_pointer);
    m_scripture.refresh(); // a missing or unreadable file leaves no lines to search
    const VerseText& text = m_scripture.text();
    const search::Outcome outcome =
        search::run(text, m_window.TextSearch->text(), m_window.ComboSearch->text());
    m_window.ListVerse->setItems(search::resultLines(text, outcome.lines));
    emit searched(search::markedTerms(m_window.TextSearch->text(), outcome.foundByPhrase));
}
