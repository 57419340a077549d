#include "favorites/subjecteditor.h"

#include "app/frmbible.h"
#include "app/platform/messageboxes.h"
#include "app/platform/platform.h"
#include "app/spacetrim.h"
#include "app/toolkit/combobox.h"
#include "app/toolkit/commandbutton.h"
#include "app/toolkit/textbox.h"
#include "favorites/subjectlist.h"

#include <QLabel>

namespace {
const QString kSelectSubject = QStringLiteral("Select Subject");
const QString kCrLf = QStringLiteral("\r\n");
const QString kCloseAnyway = QStringLiteral("Close anyway?");
} // namespace

SubjectEditor::SubjectEditor(FrmBible& window, Platform& platform, SubjectList& subjects)
    : m_window(window)
    , m_platform(platform)
    , m_subjects(subjects) {
    connectControls();
}

void SubjectEditor::connectControls() {
    ComboBox& box = *m_window.ComboCategory;
    box.onGotFocus = [this] { ComboCategory_GotFocus(); };
    box.onClick = [this] { ComboCategory_Click(); };
    box.onChange = [this] { ComboCategory_Change(); };
    box.onLostFocus = [this] { ComboCategory_LostFocus(); };
    m_window.CommandAddFavorite->onClick = [this] { CommandAddFavorite_Click(); };
    TextBox& list = *m_window.TextFavoritesList;
    list.onGotFocus = [this] { TextFavoritesList_GotFocus(); };
    list.onChange = [this] { TextFavoritesList_Change(); };
    list.onLostFocus = [this] { TextFavoritesList_LostFocus(); };
    m_window.onQueryUnload = [this] { return Form_QueryUnload(); };
}

void SubjectEditor::ComboCategory_GotFocus() {
    m_window.LabelCategory->setText(m_window.ComboCategory->text());
    blnCheck = false;
}

void SubjectEditor::ComboCategory_Click() {
    m_window.LabelCategory->setText(m_window.ComboCategory->text());
    m_subjects.ListVersesFavorites();
    blnCheck = true;
}

void SubjectEditor::ComboCategory_Change() {
    blnCheck = true;
}

void SubjectEditor::ComboCategory_LostFocus() {
    ComboBox& box = *m_window.ComboCategory;
    if (blnCheck && box.text().isEmpty())
        offerDelete();
    box.setText(spacetrim::trimmed(box.text()));
    if (blnCheck && !box.text().isEmpty() && box.text() != kSelectSubject)
        createOrRewrite();
    blnCheck = false;
}

void SubjectEditor::offerDelete() {
    const std::optional<QString> remembered =
        m_subjects.store().existingName(m_window.LabelCategory->text());
    if (!remembered)
        return;
    const MessageBoxes::Answer answer =
        m_platform.messages.ask(*remembered + QStringLiteral(" Category will be deleted."),
                                MessageBoxes::OkCancel, QStringLiteral("Warning"));
    if (answer != MessageBoxes::Ok || !m_subjects.deleteSubject(*remembered))
        return;
    m_subjects.ListCategories();
    m_window.ComboCategory->setText(kSelectSubject);
}

// The subject box names a subject to rewrite with the list, to create from the list, or to
// show. Another existing subject is loaded, never overwritten with the text on screen; a name
// that differs from an existing one only in letter case is that subject.
void SubjectEditor::createOrRewrite() {
    ComboBox& box = *m_window.ComboCategory;
    const SubjectStore& store = m_subjects.store();
    const QString typed = box.text();
    const QString cleaned = SubjectStore::cleanedName(typed);
    const QString target =
        store.existingName(typed).value_or(store.existingName(cleaned).value_or(cleaned));
    if (target.isEmpty())
        return; // nothing of the name is left to name a file by
    if (!isShown(target) && store.exists(target)) {
        loadTypedSubject(target);
        return;
    }
    if (!m_subjects.writeSubject(target, SubjectStore::WriteMode::Create, target))
        return; // reported; the list keeps the text
    // The box names the file just written, so later saves reach it.
    box.setText(target);
    m_subjects.ListCategories();
}

void SubjectEditor::loadTypedSubject(const QString& subject) {
    m_window.ComboCategory->setText(subject);
    m_window.LabelCategory->setText(subject);
    m_subjects.ListVersesFavorites();
}

void SubjectEditor::CommandAddFavorite_Click() {
    const QString entry = kCrLf + kCrLf + m_window.TextFavorites->text() + kCrLf +
                          m_window.ComboBookFavorites->text() + QLatin1Char(' ') +
                          m_window.TextVersesFavorites->text();
    m_window.TextFavoritesList->setText(m_window.TextFavoritesList->text() + entry);
    saveNamedSubject();
}

void SubjectEditor::TextFavoritesList_GotFocus() {
    blnCheck = false;
}

void SubjectEditor::TextFavoritesList_Change() {
    blnCheck = true;
    TextBox& list = *m_window.TextFavoritesList;
    if (list.text().isEmpty())
        list.setText(m_window.ComboCategory->text());
    if (list.text().isEmpty())
        list.setText(QStringLiteral("New"));
}

void SubjectEditor::TextFavoritesList_LostFocus() {
    if (blnCheck)
        saveNamedSubject();
    blnCheck = false;
}

// Text that is in no file is saved one last time; when that cannot be done, the user decides
// whether to close and lose it.
bool SubjectEditor::Form_QueryUnload() {
    if (!blnCheck && !m_subjects.hasUnsavedText())
        return true;
    const std::optional<QString> subject = savableSubject();
    std::optional<FileSystem::Result> written;
    if (subject)
        written = m_subjects.writeSubjectQuietly(*subject, SubjectStore::WriteMode::ExistingOnly,
                                                 m_window.ComboCategory->text());
    if (!m_subjects.hasUnsavedText())
        return true;
    const QString why =
        written && !written->ok
            ? QStringLiteral("The subject \"%1\" could not be saved.\r\n%2")
                  .arg(*subject, written->error)
            : QStringLiteral("The favorite verses shown are not saved: no subject is named "
                             "to save them under.");
    return m_platform.messages.ask(why + kCrLf + kCloseAnyway, MessageBoxes::YesNo,
                                   QStringLiteral("Favorite Verses")) == MessageBoxes::Yes;
}

bool SubjectEditor::isShown(const QString& subject) const {
    const SubjectStore& store = m_subjects.store();
    const std::optional<QString> shown = store.existingName(m_subjects.shownSubject());
    return shown && store.existingName(subject) == shown;
}

std::optional<QString> SubjectEditor::savableSubject() const {
    const std::optional<QString> named =
        m_subjects.store().existingName(m_window.ComboCategory->text());
    if (!named || !isShown(*named))
        return std::nullopt;
    return named;
}

void SubjectEditor::saveNamedSubject() {
    if (const std::optional<QString> subject = savableSubject())
        m_subjects.writeSubject(*subject, SubjectStore::WriteMode::ExistingOnly,
                                m_window.ComboCategory->text());
}
