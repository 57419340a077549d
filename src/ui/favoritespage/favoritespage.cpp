#include "favoritespage/favoritespage.h"

#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/textbox.h"
#include "favorites/subjectmessages.h"
#include "favorites/subjectplaceholders.h"
#include "services/messageboxes.h"
#include "text/spacetrim.h"

#include <QCloseEvent>

FavoritesPage::FavoritesPage(const FavoritesView& view, SubjectFiles& subjectFiles,
                             MessageBoxes& messages)
    : m_view(view)
    , m_subjectFiles(subjectFiles)
    , m_messages(messages)
    , m_followed(subjectFiles)
    , m_editing(subjectFiles, m_followed)
    , m_shown(*view.subjectText, subjectFiles, m_followed, messages)
    , m_saver(subjectFiles, m_shown, m_followed, messages) {
    ComboBox* box = view.subjectBox;
    connect(box, &ComboBox::gotFocus, this, &FavoritesPage::onSubjectBoxEntered);
    connect(box, &ComboBox::picked, this, &FavoritesPage::onSubjectPicked);
    connect(box, &ComboBox::changed, this, &FavoritesPage::onSubjectBoxChanged);
    connect(box, &ComboBox::lostFocus, this, &FavoritesPage::onSubjectBoxLeft);
    connect(view.addVerseButton, &CommandButton::clicked, this, &FavoritesPage::onAddVerseClicked);
    TextBox* text = view.subjectText;
    connect(text, &TextBox::gotFocus, this, &FavoritesPage::onSubjectTextEntered);
    connect(text, &TextBox::changed, this, &FavoritesPage::onSubjectTextChanged);
    connect(text, &TextBox::lostFocus, this, &FavoritesPage::onSubjectTextLeft);
}

// Showing the placeholder is a change of the subject box, which counts as an edit until the
// box or the subject text first gets the focus.
void FavoritesPage::prepare() {
    listSubjects();
    m_view.subjectBox->setText(favorites::kSelectSubject);
}

void FavoritesPage::reopen(const QString& subject) {
    if (subject.isEmpty() || !m_subjectFiles.exists(subject))
        return;
    m_editing.subjectPicked(subject);
    m_view.subjectBox->setText(subject);
    showNamedSubject();
}

void FavoritesPage::listSubjects() {
    ComboBox& box = *m_view.subjectBox;
    const QString current = box.text();
    box.clear();
    box.setText(current);
    box.addItems(m_subjectFiles.subjectNames());
    showNamedSubject();
}

// The text still holds the subject shown before when the one named cannot be read: the box
// names that one again.
void FavoritesPage::showNamedSubject() {
    if (!m_shown.show(m_view.subjectBox->text()))
        m_view.subjectBox->setText(m_followed.subject());
}

void FavoritesPage::onSubjectBoxEntered() {
    m_editing.subjectBoxEntered(m_view.subjectBox->text());
}

void FavoritesPage::onSubjectPicked() {
    const QString picked = m_view.subjectBox->text();
    if (!mayDropUnsavedText(m_followed.subject(),
                            QStringLiteral("Show \"%1\" anyway?").arg(picked))) {
        keepShownSubject();
        return;
    }
    m_editing.subjectPicked(picked);
    showNamedSubject();
}

void FavoritesPage::onSubjectBoxChanged() {
    m_editing.subjectBoxChanged();
}

void FavoritesPage::onSubjectBoxLeft() {
    ComboBox& box = *m_view.subjectBox;
    if (const std::optional<QString> subject = m_editing.subjectToDelete(box.text()))
        offerDelete(*subject);
    box.setText(text::spaceTrimmed(box.text()));
    const SubjectEditing::BoxLeft left =
        m_editing.leaveSubjectBox(box.text(), m_view.subjectText->text());
    switch (left.kind) {
    case SubjectEditing::BoxLeft::Load:
        loadTypedSubject(left.subject);
        break;
    case SubjectEditing::BoxLeft::Write:
        writeTypedSubject(left);
        break;
    case SubjectEditing::BoxLeft::TooLong:
        m_messages.ask(favorites::tooLongNotice(left.subject));
        keepShownSubject();
        break;
    case SubjectEditing::BoxLeft::Nothing:
        break;
    }
    m_editing.subjectBoxLeft();
}

// The box names the subject shown again, so that the text is saved where it belongs.
void FavoritesPage::keepShownSubject() {
    m_view.subjectBox->setText(m_followed.subject());
    m_editing.subjectBoxEntered(m_followed.subject());
}

void FavoritesPage::offerDelete(const QString& subject) {
    if (m_messages.ask(favorites::deleteQuestion(subject)) != MessageBoxes::Ok ||
        !deleteSubject(subject))
        return;
    listSubjects();
    m_view.subjectBox->setText(favorites::kSelectSubject);
}

// Into the trash; where there is none, for good when the user agrees. False while the file is
// still there.
bool FavoritesPage::deleteSubject(const QString& subject) {
    const FileSystem::Result trashed = m_subjectFiles.moveToTrash(subject);
    if (trashed.ok || m_messages.ask(favorites::loseForGoodQuestion(
                          QStringLiteral("\"%1\"").arg(subject), trashed.error,
                          QStringLiteral("Delete it for good?"))) != MessageBoxes::Ok)
        return trashed.ok;
    const FileSystem::Result removed = m_subjectFiles.remove(subject);
    if (!removed.ok)
        m_messages.ask(favorites::failureNotice(subject, QStringLiteral("deleted"), removed.error));
    return removed.ok;
}

void FavoritesPage::loadTypedSubject(const QString& subject) {
    if (!mayDropUnsavedText(m_followed.subject(),
                            QStringLiteral("Show \"%1\" anyway?").arg(subject))) {
        keepShownSubject();
        return;
    }
    m_view.subjectBox->setText(subject);
    showNamedSubject();
}

// The box then names the file just written, so later saves reach it.
void FavoritesPage::writeTypedSubject(const SubjectEditing::BoxLeft& left) {
    if (m_saver.carryOut(left.save, SubjectSaver::Failures::Report).kind != SaveOutcome::Saved)
        return; // reported; the text stays on screen
    m_view.subjectBox->setText(left.subject);
    listSubjects();
}

// The focus moves to the button as a click moves it, whatever pressed it: leaving the reference
// box looks up what was typed there, so its key (Alt+A) files the verses a click files.
void FavoritesPage::onAddVerseClicked() {
    m_view.addVerseButton->setFocus(Qt::ShortcutFocusReason);
    TextBox& text = *m_view.subjectText;
    text.setText(SubjectEditing::withVerseAdded(text.text(), m_view.lookedUpVerses->text(),
                                                m_view.lookupBookBox->text(),
                                                m_view.referenceBox->text()));
    m_saver.carryOut(m_editing.saveNamed(m_view.subjectBox->text(), text.text()),
                     SubjectSaver::Failures::Report);
}

void FavoritesPage::onSubjectTextEntered() {
    m_editing.subjectTextEntered();
}

// An emptied subject text is refilled with the box's name, so that no file is ever written empty.
void FavoritesPage::onSubjectTextChanged() {
    m_editing.subjectTextChanged();
    TextBox& text = *m_view.subjectText;
    if (const std::optional<QString> refill =
            SubjectEditing::refill(text.text(), m_view.subjectBox->text()))
        text.setText(*refill);
}

void FavoritesPage::onSubjectTextLeft() {
    m_saver.carryOut(
        m_editing.leaveSubjectText(m_view.subjectBox->text(), m_view.subjectText->text()),
        SubjectSaver::Failures::Report);
}

void FavoritesPage::onVerseLookedUp() {
    m_editing.verseLookedUp();
}

void FavoritesPage::onWindowClosing(QCloseEvent* closing) {
    if (!mayDropUnsavedText(m_view.subjectBox->text(), QStringLiteral("Close anyway?")))
        closing->ignore();
}

// Having chosen to see the file's text, the user stays to read it.
bool FavoritesPage::mayDropUnsavedText(const QString& savedUnder, const QString& goOn) {
    const SubjectSave lastSave = m_editing.beforeDropping(savedUnder, m_view.subjectText->text());
    std::optional<SaveOutcome> written;
    if (lastSave.kind == SubjectSave::Write)
        written = m_saver.carryOut(lastSave, SubjectSaver::Failures::Return);
    const SubjectEditing::Dropping dropping =
        m_editing.dropping(savedUnder, m_view.subjectText->text(), written, goOn);
    switch (dropping.kind) {
    case SubjectEditing::Dropping::GoOn:
        return true;
    case SubjectEditing::Dropping::Stay:
        return false;
    case SubjectEditing::Dropping::Ask:
        break;
    }
    return m_messages.ask(dropping.question, MessageBoxes::YesNo, favorites::kFavoritesTitle) ==
           MessageBoxes::Yes;
}
