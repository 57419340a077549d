#include "search/searchpage.h"

#include "app/frmbible.h"
#include "app/platform/mousepointer.h"
#include "app/platform/platform.h"
#include "app/spacetrim.h"
#include "app/toolkit/combobox.h"
#include "app/toolkit/listbox.h"
#include "app/toolkit/textbox.h"
#include "scripture/scripturetext.h"
#include "search/searchengine.h"

SearchPage::SearchPage(FrmBible& window, Platform& platform, ScriptureText& scripture)
    : m_window(window)
    , m_platform(platform)
    , m_scripture(scripture) {
    m_window.TextSearch->onGotFocus = [this] { TextSearch_GotFocus(); };
    m_window.TextSearch->onLostFocus = [this] { TextSearch_LostFocus(); };
    m_window.ComboSearch->onClick = [this] { ComboSearch_Click(); };
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

// The prompt and the book placeholder are compared as they stand, before any trimming.
void SearchPage::searchIfReady() {
    const QString query = m_window.TextSearch->text();
    if (query == kPrompt || m_window.ComboSearch->text() == kNoBook)
        return;
    m_window.TextSearch->setText(spacetrim::trimmed(query));
    if (!m_window.TextSearch->text().isEmpty())
        Search();
}

void SearchPage::Search() {
    BusyScope busy(m_platform.pointer);
    m_scripture.refresh(); // a missing or unreadable file leaves no lines to search
    const VerseText& text = m_scripture.text();
    const search::Outcome outcome =
        search::run(text, m_window.TextSearch->text(), m_window.ComboSearch->text());
    m_found = outcome.found;
    m_window.ListVerse->setItems(search::resultLines(text, outcome.lines));
}
