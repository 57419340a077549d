#include "favoritespage/verselookup.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/versereference.h"
#include "mainwindow/frmbible.h"
#include "scripture/scripturetext.h"
#include "scripture/verselines.h"
#include "services/mousepointer.h"

VerseLookup::VerseLookup(FrmBible& window, MousePointer& pointer, ScriptureText& scripture)
    : m_window(window)
    , m_pointer(pointer)
    , m_scripture(scripture) {
    connect(window.TextVersesFavorites, &LineTextBox::changed, this,
            &VerseLookup::TextVersesFavorites_Change);
    connect(window.TextVersesFavorites, &LineTextBox::lostFocus, this,
            &VerseLookup::TextVersesFavorites_LostFocus);
    connect(window.TextVersesFavorites, &QLineEdit::returnPressed, this, &VerseLookup::startLookup);
    connect(window.ComboBookFavorites, &ComboBox::changed, this,
            &VerseLookup::ComboBookFavorites_Change);
}

void VerseLookup::TextVersesFavorites_Change() {
    LineTextBox& reference = *m_window.TextVersesFavorites;
    const std::optional<QString> kept = favorites::filterReference(reference.text());
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
    if (favorites::canLookUp(m_window.TextVersesFavorites->text(),
                             m_window.ComboBookFavorites->text()))
        ListVerses();
}

void VerseLookup::ListVerses() {
    BusyScope busy(m_pointer);
    m_window.TextFavorites->setText(QString());
    const QString book = m_window.ComboBookFavorites->text();
    emit lookedUp();
    const VerseReference reference = VerseReference::parse(m_window.TextVersesFavorites->text());
    QStringList verses;
    if (m_scripture.refresh())
        verses = scripture::versesFor(m_scripture.text(), book, reference);
    m_window.TextFavorites->setText(favorites::lookupResultText(verses));
}
