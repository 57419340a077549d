#include "favorites/verselookup.h"

#include "app/frmbible.h"
#include "app/platform/mousepointer.h"
#include "app/platform/platform.h"
#include "app/toolkit/combobox.h"
#include "app/toolkit/textbox.h"
#include "favorites/versefinder.h"
#include "favorites/versereference.h"
#include "scripture/scripturetext.h"

VerseLookup::VerseLookup(FrmBible& window, Platform& platform, ScriptureText& scripture,
                         bool& blnCheck)
    : m_window(window)
    , m_platform(platform)
    , m_scripture(scripture)
    , m_blnCheck(blnCheck) {
    m_window.TextVersesFavorites->onChange = [this] { TextVersesFavorites_Change(); };
    m_window.TextVersesFavorites->onLostFocus = [this] { TextVersesFavorites_LostFocus(); };
    m_window.ComboBookFavorites->onChange = [this] { ComboBookFavorites_Change(); };
}

void VerseLookup::TextVersesFavorites_Change() {
    LineTextBox& reference = *m_window.TextVersesFavorites;
    const std::optional<QString> kept = filterReference(reference.text());
    if (!kept)
        return;
    reference.setText(*kept);
    reference.setSelStart(int(reference.text().size()));
}

void VerseLookup::TextVersesFavorites_LostFocus() {
    startLookup();
}

void VerseLookup::ComboBookFavorites_Change() {
    startLookup();
}

void VerseLookup::startLookup() {
    if (!m_window.TextVersesFavorites->text().isEmpty() &&
        m_window.ComboBookFavorites->text() != QStringLiteral("Books"))
        ListVerses();
}

void VerseLookup::ListVerses() {
    BusyScope busy(m_platform.pointer);
    m_window.TextFavorites->setText(QString());
    const QString book = m_window.ComboBookFavorites->text();
    m_blnCheck = false;
    const VerseReference reference = VerseReference::parse(m_window.TextVersesFavorites->text());
    QStringList verses;
    if (m_scripture.refresh())
        verses = versesFor(m_scripture.lines(), book, reference);
    m_window.TextFavorites->setText(lookupResultText(verses));
}
