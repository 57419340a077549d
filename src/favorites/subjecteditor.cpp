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
    m_window.onQueryUnload = [this] { Form_QueryUnload(); };
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
    const QString remembered = m_window.LabelCategory->text();
    if (!m_subjects.store().exists(remembered))
        return;
    const MessageBoxes::Answer answer =
        m_platform.messages.ask(remembered + QStringLiteral(" Category will be deleted."),
                                MessageBoxes::OkCancel, QStringLiteral("Warning"));
    if (answer != MessageBoxes::Ok || !m_subjects.deleteSubject(remembered))
        return;
    m_subjects.ListCategories();
    m_window.ComboCategory->setText(kSelectSubject);
}

// The subject box names a subject to rewrite with the list, to create from the list, or to
// show. Another existing subject is loaded, never overwritten with the text on screen.
void SubjectEditor::createOrRewrite() {
    ComboBox& box = *m_window.ComboCategory;
    const SubjectStore& store = m_subjects.store();
    const QString typed = box.text();
    const QString target = store.exists(typed) ? typed : SubjectStore::cleanedName(typed);
    if (target.isEmpty())
        return; // nothing of the name is left to name a file by
    if (target != m_subjects.shownSubject() && store.exists(target)) {
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
    saveShownSubject();
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
        saveShownSubject();
    blnCheck = false;
}

void SubjectEditor::Form_QueryUnload() {
    if (blnCheck)
        saveShownSubject();
}

void SubjectEditor::saveShownSubject() {
    const QString subject = m_subjects.shownSubject();
    m_subjects.writeSubject(subject, SubjectStore::WriteMode::ExistingOnly, subject);
}
