#include "favoritespage/favoritespage.h"

#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/textbox.h"
#include "favorites/favoritessession.h"
#include "favorites/subjectplaceholders.h"
#include "favoritespage/shownsubject.h"
#include "services/messageboxes.h"
#include "text/linebreak.h"
#include "text/spacetrim.h"

#include <QCloseEvent>

FavoritesPage::FavoritesPage(const FavoritesView& view, ShownSubject& shown,
                             FavoritesSession& session, MessageBoxes& messages)
    : m_view(view)
    , m_shown(shown)
    , m_session(session)
    , m_messages(messages) {
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
    m_shown.listSubjects();
    m_view.subjectBox->setText(favorites::kSelectSubject);
}

void FavoritesPage::reopen(const QString& subject) {
    if (subject.isEmpty() || !m_shown.exists(subject))
        return;
    m_session.subjectPicked(subject);
    m_view.subjectBox->setText(subject);
    m_shown.showNamedSubject();
}

std::optional<QString> FavoritesPage::subjectToReopen() const {
    return m_session.subjectToReopen();
}

void FavoritesPage::onSubjectBoxEntered() {
    m_session.subjectBoxEntered(m_view.subjectBox->text());
}

void FavoritesPage::onSubjectPicked() {
    const QString picked = m_view.subjectBox->text();
    if (!mayDropUnsavedText(m_session.shownSubject(),
                            QStringLiteral("Show \"%1\" anyway?").arg(picked))) {
        keepShownSubject();
        return;
    }
    m_session.subjectPicked(picked);
    m_shown.showNamedSubject();
}

void FavoritesPage::onSubjectBoxChanged() {
    m_session.subjectBoxChanged();
}

void FavoritesPage::onSubjectBoxLeft() {
    ComboBox& box = *m_view.subjectBox;
    if (const std::optional<QString> subject = m_session.subjectToDelete(box.text()))
        offerDelete(*subject);
    box.setText(text::spaceTrimmed(box.text()));
    const FavoritesSession::BoxLeft left = m_session.leaveSubjectBox(box.text());
    switch (left.kind) {
    case FavoritesSession::BoxLeft::Load:
        loadTypedSubject(left.subject);
        break;
    case FavoritesSession::BoxLeft::Write:
        writeTypedSubject(left.subject);
        break;
    case FavoritesSession::BoxLeft::TooLong:
        m_messages.ask(QStringLiteral("The subject name \"%1\" is too long: a file in the Verses "
                                      "folder cannot be named by it. Please choose a shorter name.")
                           .arg(left.subject),
                       MessageBoxes::OkOnly, kFavoritesTitle);
        keepShownSubject();
        break;
    case FavoritesSession::BoxLeft::Nothing:
        break;
    }
    m_session.subjectBoxLeft();
}

// The box names the subject shown again, so that the text is saved where it belongs.
void FavoritesPage::keepShownSubject() {
    m_view.subjectBox->setText(m_session.shownSubject());
    m_session.subjectBoxEntered(m_session.shownSubject());
}

// Cancel is the default answer: a reflexive Enter deletes nothing.
void FavoritesPage::offerDelete(const QString& subject) {
    const MessageBoxes::Answer answer = m_messages.ask(
        subject + QStringLiteral(" Category will be deleted.") + text::kCrLf +
            QStringLiteral("It is moved to the trash, from where it can be restored."),
        MessageBoxes::OkCancelDefaultCancel, QStringLiteral("Warning"));
    if (answer != MessageBoxes::Ok || !m_shown.remove(subject))
        return;
    m_shown.listSubjects();
    m_view.subjectBox->setText(favorites::kSelectSubject);
}

void FavoritesPage::loadTypedSubject(const QString& subject) {
    if (!mayDropUnsavedText(m_session.shownSubject(),
                            QStringLiteral("Show \"%1\" anyway?").arg(subject))) {
        keepShownSubject();
        return;
    }
    m_view.subjectBox->setText(subject);
    m_shown.showNamedSubject();
}

// The box then names the file just written, so later saves reach it.
void FavoritesPage::writeTypedSubject(const QString& subject) {
    if (!m_shown.write(subject, SubjectFiles::WriteMode::Create, subject))
        return; // reported; the text stays on screen
    m_view.subjectBox->setText(subject);
    m_shown.listSubjects();
}

// The focus moves to the button as a click moves it, whatever pressed it: leaving the reference
// box looks up what was typed there, so its key (Alt+A) files the verses a click files.
void FavoritesPage::onAddVerseClicked() {
    m_view.addVerseButton->setFocus(Qt::ShortcutFocusReason);
    TextBox& text = *m_view.subjectText;
    text.setText(FavoritesSession::withVerseAdded(text.text(), m_view.lookedUpVerses->text(),
                                                  m_view.lookupBookBox->text(),
                                                  m_view.referenceBox->text()));
    saveNamedSubject();
}

void FavoritesPage::onSubjectTextEntered() {
    m_session.subjectTextEntered();
}

void FavoritesPage::onSubjectTextChanged() {
    m_session.subjectTextChanged();
    m_shown.refillIfEmptied(m_view.subjectBox->text());
}

void FavoritesPage::onSubjectTextLeft() {
    if (m_session.leaveSubjectText())
        saveNamedSubject();
}

// A file gone under an edit is told of at once, not first when the window closes.
void FavoritesPage::saveNamedSubject() {
    const QString boxText = m_view.subjectBox->text();
    if (const std::optional<QString> subject = m_session.saveTarget(boxText)) {
        m_shown.write(*subject, SubjectFiles::WriteMode::ExistingOnly, boxText);
        return;
    }
    if (m_session.fileWentAway(boxText, m_view.subjectText->text()))
        m_messages.ask(m_session.fileGoneNotice(boxText, m_shown.folderProblem()),
                       MessageBoxes::OkOnly, kFavoritesTitle);
}

void FavoritesPage::onWindowClosing(QCloseEvent* closing) {
    if (!mayDropUnsavedText(m_view.subjectBox->text(), QStringLiteral("Close anyway?")))
        closing->ignore();
}

// Text that is in no file is saved one last time; when that cannot be done, the user decides
// whether to go on and lose it. Having chosen to see the file's text, the user stays to read it.
bool FavoritesPage::mayDropUnsavedText(const QString& savedUnder, const QString& goOn) {
    if (!m_session.hasUnsavedText(m_view.subjectText->text()))
        return true;
    const std::optional<QString> subject = m_session.saveTarget(savedUnder);
    std::optional<ShownSubject::Written> written;
    if (subject)
        written = m_shown.writeQuietly(*subject, SubjectFiles::WriteMode::ExistingOnly, savedUnder);
    if (written && written->outcome == ShownSubject::Written::FileShown)
        return false;
    if (!m_session.hasUnsavedText(m_view.subjectText->text()))
        return true;
    const std::optional<QString> saveError = written ? std::optional(written->error) : std::nullopt;
    return m_messages.ask(m_session.whyNotSaved(savedUnder, saveError, m_shown.folderProblem()) +
                              text::kCrLf + goOn,
                          MessageBoxes::YesNo, kFavoritesTitle) == MessageBoxes::Yes;
}
