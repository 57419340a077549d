#include "favoritespage/subjectlist.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/subjectediting.h"
#include "mainwindow/frmbible.h"
#include "services/messageboxes.h"

SubjectList::SubjectList(FrmBible& window, SubjectStore& store, SubjectEditing& editing,
                         MessageBoxes& messages)
    : m_window(window)
    , m_store(store)
    , m_editing(editing)
    , m_messages(messages) {}

void SubjectList::ListCategories() {
    const QString current = m_window.ComboCategory->text();
    m_window.ComboCategory->clear();
    m_window.ComboCategory->setText(current);
    m_window.ComboCategory->addItems(m_store.subjectNames());
    ListVersesFavorites();
}

void SubjectList::ListVersesFavorites() {
    const QString subject = m_window.ComboCategory->text();
    const SubjectStore::Loaded loaded = m_store.load(subject);
    if (loaded.status == SubjectStore::Loaded::Failed) {
        report(subject, QStringLiteral("read"), loaded.error);
        // The list still holds the subject shown before: the box names that one again.
        m_window.ComboCategory->setText(m_editing.shownSubject());
        return;
    }
    // Emptying the list refills it with the subject's name (the list's change handling).
    m_window.TextFavoritesList->setText(QString());
    if (loaded.status == SubjectStore::Loaded::Read)
        m_window.TextFavoritesList->setText(loaded.text);
    m_editing.subjectLoaded(subject, m_window.TextFavoritesList->text());
}

bool SubjectList::writeSubject(const QString& subject, SubjectStore::WriteMode mode,
                               const QString& fallback) {
    const std::optional<FileSystem::Result> written = writeSubjectQuietly(subject, mode, fallback);
    if (written && !written->ok)
        report(subject, QStringLiteral("saved"), written->error);
    return written && written->ok;
}

std::optional<FileSystem::Result> SubjectList::writeSubjectQuietly(const QString& subject,
                                                                   SubjectStore::WriteMode mode,
                                                                   const QString& fallback) {
    if (!m_store.willWrite(subject, mode))
        return std::nullopt;
    TextBox& list = *m_window.TextFavoritesList;
    if (list.text().isEmpty())
        list.setText(SubjectEditing::refillText(fallback));
    const FileSystem::Result written = m_store.write(subject, list.text());
    if (written.ok)
        m_editing.subjectSaved(list.text());
    return written;
}

bool SubjectList::deleteSubject(const QString& subject) {
    const FileSystem::Result removed = m_store.remove(subject);
    if (!removed.ok)
        report(subject, QStringLiteral("deleted"), removed.error);
    return removed.ok;
}

void SubjectList::report(const QString& subject, const QString& failed, const QString& reason) {
    const QString text =
        QStringLiteral("The subject \"%1\" could not be %2.\r\n%3").arg(subject, failed, reason);
    m_messages.ask(text, MessageBoxes::OkOnly, QStringLiteral("Favorite Verses"));
}
