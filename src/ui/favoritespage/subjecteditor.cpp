#include "favoritespage/subjecteditor.h"

#include "controls/combobox.h"
#include "controls/commandbutton.h"
#include "controls/textbox.h"
#include "favorites/favoritessession.h"
#include "favoritespage/subjectlist.h"
#include "mainwindow/frmbible.h"
#include "services/messageboxes.h"
#include "shell/placeholders.h"
#include "text/spacetrim.h"

#include <QCloseEvent>
#include <QLabel>

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kTitle = QStringLiteral("Favorite Verses");
} // namespace

SubjectEditor::SubjectEditor(FrmBible& window, SubjectList& subjects, FavoritesSession& session,
                             MessageBoxes& messages)
    : m_window(window)
    , m_subjects(subjects)
    , m_session(session)
    , m_messages(messages) {
    ComboBox* box = window.ComboCategory;
    connect(box, &ComboBox::gotFocus, this, &SubjectEditor::ComboCategory_GotFocus);
    connect(box, &ComboBox::picked, this, &SubjectEditor::ComboCategory_Click);
    connect(box, &ComboBox::changed, this, &SubjectEditor::ComboCategory_Change);
    connect(box, &ComboBox::lostFocus, this, &SubjectEditor::ComboCategory_LostFocus);
    connect(window.CommandAddFavorite, &CommandButton::clicked, this,
            &SubjectEditor::CommandAddFavorite_Click);
    TextBox* list = window.TextFavoritesList;
    connect(list, &TextBox::gotFocus, this, &SubjectEditor::TextFavoritesList_GotFocus);
    connect(list, &TextBox::changed, this, &SubjectEditor::TextFavoritesList_Change);
    connect(list, &TextBox::lostFocus, this, &SubjectEditor::TextFavoritesList_LostFocus);
    connect(&window, &FrmBible::queryUnload, this, &SubjectEditor::Form_QueryUnload);
}

// The hidden label shows the remembered subject, as the window was designed to hold it.
void SubjectEditor::ComboCategory_GotFocus() {
    m_session.subjectBoxGotFocus(m_window.ComboCategory->text());
    m_window.LabelCategory->setText(m_session.rememberedSubject());
}

void SubjectEditor::ComboCategory_Click() {
    const QString picked = m_window.ComboCategory->text();
    if (!mayDropUnsavedText(m_session.shownSubject(),
                            QStringLiteral("Show \"%1\" anyway?").arg(picked))) {
        keepShownSubject();
        return;
    }
    m_session.subjectPicked(picked);
    m_window.LabelCategory->setText(m_session.rememberedSubject());
    m_subjects.ListVersesFavorites();
}

void SubjectEditor::ComboCategory_Change() {
    m_session.subjectBoxChanged();
}

void SubjectEditor::ComboCategory_LostFocus() {
    ComboBox& box = *m_window.ComboCategory;
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
                       MessageBoxes::OkOnly, kTitle);
        keepShownSubject();
        break;
    case FavoritesSession::BoxLeft::Nothing:
        break;
    }
    m_session.subjectBoxLeft();
}

// The box names the subject shown again, so that the list is saved where it belongs.
void SubjectEditor::keepShownSubject() {
    m_window.ComboCategory->setText(m_session.shownSubject());
    m_session.subjectBoxGotFocus(m_session.shownSubject());
    m_window.LabelCategory->setText(m_session.rememberedSubject());
}

// Cancel is the default answer: a reflexive Enter deletes nothing.
void SubjectEditor::offerDelete(const QString& subject) {
    const MessageBoxes::Answer answer = m_messages.ask(
        subject + QStringLiteral(" Category will be deleted.") + kCrLf +
            QStringLiteral("It is moved to the trash, from where it can be restored."),
        MessageBoxes::OkCancelDefaultCancel, QStringLiteral("Warning"));
    if (answer != MessageBoxes::Ok || !m_subjects.deleteSubject(subject))
        return;
    m_subjects.ListCategories();
    m_window.ComboCategory->setText(shell::kSelectSubject);
}

void SubjectEditor::loadTypedSubject(const QString& subject) {
    if (!mayDropUnsavedText(m_session.shownSubject(),
                            QStringLiteral("Show \"%1\" anyway?").arg(subject))) {
        keepShownSubject();
        return;
    }
    m_window.ComboCategory->setText(subject);
    m_window.LabelCategory->setText(subject);
    m_subjects.ListVersesFavorites();
}

// The box then names the file just written, so later saves reach it.
void SubjectEditor::writeTypedSubject(const QString& subject) {
    if (!m_subjects.writeSubject(subject, SubjectFiles::WriteMode::Create, subject))
        return; // reported; the list keeps the text
    m_window.ComboCategory->setText(subject);
    m_subjects.ListCategories();
}

void SubjectEditor::CommandAddFavorite_Click() {
    const QString entry = kCrLf + kCrLf + m_window.TextFavorites->text() + kCrLf +
                          m_window.ComboBookFavorites->text() + QLatin1Char(' ') +
                          m_window.TextVersesFavorites->text();
    m_window.TextFavoritesList->setText(m_window.TextFavoritesList->text() + entry);
    saveNamedSubject();
}

void SubjectEditor::TextFavoritesList_GotFocus() {
    m_session.listGotFocus();
}

void SubjectEditor::TextFavoritesList_Change() {
    m_session.listChanged();
    TextBox& list = *m_window.TextFavoritesList;
    if (list.text().isEmpty())
        list.setText(FavoritesSession::refillText(m_window.ComboCategory->text()));
}

void SubjectEditor::TextFavoritesList_LostFocus() {
    if (m_session.leaveList())
        saveNamedSubject();
}

void SubjectEditor::saveNamedSubject() {
    if (const std::optional<QString> subject = m_session.saveTarget(m_window.ComboCategory->text()))
        m_subjects.writeSubject(*subject, SubjectFiles::WriteMode::ExistingOnly,
                                m_window.ComboCategory->text());
}

void SubjectEditor::Form_QueryUnload(QCloseEvent* closing) {
    if (!mayDropUnsavedText(m_window.ComboCategory->text(), QStringLiteral("Close anyway?")))
        closing->ignore();
}

// Text that is in no file is saved one last time; when that cannot be done, the user decides
// whether to go on and lose it.
bool SubjectEditor::mayDropUnsavedText(const QString& savedUnder, const QString& goOn) {
    if (!m_session.hasUnsavedText(m_window.TextFavoritesList->text()))
        return true;
    const std::optional<QString> subject = m_session.saveTarget(savedUnder);
    std::optional<FileSystem::Result> written;
    if (subject)
        written = m_subjects.writeSubjectQuietly(*subject, SubjectFiles::WriteMode::ExistingOnly,
                                                 savedUnder);
    if (!m_session.hasUnsavedText(m_window.TextFavoritesList->text()))
        return true;
    QString why = QStringLiteral("The favorite verses shown are not saved: no subject is named "
                                 "to save them under.");
    if (written && !written->ok)
        why = QStringLiteral("The subject \"%1\" could not be saved.\r\n%2")
                  .arg(*subject, written->error);
    else if (const QString folder = m_subjects.folderProblem(); !folder.isEmpty())
        why = QStringLiteral("The favorite verses shown are not saved.\r\n") + folder;
    else if (!savedUnder.isEmpty() && savedUnder == m_session.shownSubject())
        why = QStringLiteral("The favorite verses shown are not saved: the file of the subject "
                             "\"%1\" is gone.")
                  .arg(savedUnder);
    return m_messages.ask(why + kCrLf + goOn, MessageBoxes::YesNo, kTitle) == MessageBoxes::Yes;
}
