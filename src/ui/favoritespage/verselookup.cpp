#include "favoritespage/verselookup.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/referencefield.h"
#include "scripture/bookcatalogue.h"
#include "scripture/booknames.h"
#include "scripture/scripturetext.h"
#include "scripture/verselines.h"
#include "services/mousepointer.h"

VerseLookup::VerseLookup(const FavoritesView& view, MousePointer& pointer, ScriptureText& scripture)
    : m_view(view)
    , m_pointer(pointer)
    , m_scripture(scripture) {
    connect(view.referenceBox, &LineTextBox::changed, this, &VerseLookup::onReferenceChanged);
    connect(view.referenceBox, &LineTextBox::lostFocus, this, &VerseLookup::onReferenceBoxLeft);
    connect(view.referenceBox, &QLineEdit::returnPressed, this, &VerseLookup::lookUpWhenReady);
    connect(view.lookupBookBox, &ComboBox::changed, this, &VerseLookup::onLookupBookChanged);
}

void VerseLookup::prepare() {
    m_view.lookupBookBox->setText(scripture::kBooks);
    m_view.lookupBookBox->addItems(scripture::bookList());
}

void VerseLookup::onReferenceChanged() {
    LineTextBox& reference = *m_view.referenceBox;
    const std::optional<QString> kept = favorites::filterReference(reference.text());
    if (!kept)
        return;
    reference.setText(*kept);
    reference.setSelStart(int(reference.text().size()));
}

void VerseLookup::onReferenceBoxLeft() {
    lookUpWhenReady();
}

void VerseLookup::onLookupBookChanged() {
    lookUpWhenReady();
}

void VerseLookup::lookUpWhenReady() {
    if (favorites::canLookUp(m_view.referenceBox->text(), m_view.lookupBookBox->text()))
        lookUpVerses();
}

void VerseLookup::lookUpVerses() {
    BusyScope busy(m_pointer);
    m_view.lookedUpVerses->setText(QString());
    emit lookedUp();
    const std::optional<int> book = scripture::bookIndex(m_view.lookupBookBox->text());
    const std::optional<scripture::Reference> reference =
        book ? scripture::parseReferenceIn(*book, m_view.referenceBox->text()) : std::nullopt;
    QStringList verses;
    if (reference && m_scripture.refresh())
        verses = scripture::versesOf(m_scripture.text(), *reference);
    m_view.lookedUpVerses->setText(favorites::lookupResultText(verses));
}
