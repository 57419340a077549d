#include "favoritespage/subjectlist.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/subjectediting.h"
#include "mainwindow/frmbible.h"
#include "services/messageboxes.h"

#include <QFileInfo>

namespace {
const QString kTitle = QStringLiteral("Favorite Verses");
const QString kChangedElsewhere =
    QStringLiteral("Its file was changed by another window or program since it was shown here.");
} // namespace

SubjectList::SubjectList(FrmBible& window, SubjectStore& store, SubjectEditing& editing,
                         MessageBoxes& messages)
    : m_window(window)
    , m_store(store)
    , m_editing(editing)
    , m_messages(messages) {
    // A save of another window renames a new file over the old one: the folder shows it.
    QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_watcher,
                     [this] { followFile(); });
    QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_watcher,
                     [this] { followFile(); });
}

void SubjectList::ListCategories() {
    const QString current = m_window.ComboCategory->text();
    m_window.ComboCategory->clear();
    m_window.ComboCategory->setText(current);
    m_window.ComboCategory->addItems(m_store.subjectNames());
    ListVersesFavorites();
}

void SubjectList::ListVersesFavorites() {
    // The list still holds the subject shown before: the box names that one again.
    if (!load(m_window.ComboCategory->text()))
        m_window.ComboCategory->setText(m_editing.shownSubject());
}

bool SubjectList::load(const QString& subject) {
    const SubjectStore::Loaded loaded = m_store.load(subject);
    if (loaded.status == SubjectStore::Loaded::Failed) {
        report(subject, QStringLiteral("read"), loaded.error);
        return false;
    }
    show(subject, loaded);
    return true;
}

void SubjectList::show(const QString& subject, const SubjectStore::Loaded& loaded) {
    TextBox& list = *m_window.TextFavoritesList;
    // Emptying the list refills it with the subject's name (the list's change handling).
    list.setText(QString());
    if (loaded.status == SubjectStore::Loaded::Read)
        list.setText(loaded.text());
    m_editing.subjectLoaded(
        subject,
        loaded.status == SubjectStore::Loaded::Read ? std::optional(loaded.stored) : std::nullopt,
        list.text());
    watchShownSubject();
}

void SubjectList::watchShownSubject() {
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (m_watcher.directories().isEmpty() && QFileInfo(m_store.folder()).isDir())
        m_watcher.addPath(m_store.folder());
    const QString subject = m_editing.shownSubject();
    if (m_store.exists(subject))
        m_watcher.addPath(*m_store.pathOf(subject));
}

// The caret stays where it was, as far as the new text reaches.
void SubjectList::followFile() {
    const QString subject = m_editing.shownSubject();
    watchShownSubject();
    TextBox& list = *m_window.TextFavoritesList;
    const SubjectStore::Loaded now = m_store.load(subject);
    if (!m_editing.followsFile(list.text(), now))
        return;
    const int caret = list.selStart();
    show(subject, now);
    list.setSelStart(caret);
}

bool SubjectList::writeSubject(const QString& subject, SubjectStore::WriteMode mode,
                               const QString& fallback) {
    const std::optional<SubjectStore::Saved> saved = save(subject, mode, fallback);
    if (saved && saved->status == SubjectStore::Saved::Failed)
        report(subject, QStringLiteral("saved"), saved->error);
    return saved && saved->status == SubjectStore::Saved::Written;
}

std::optional<FileSystem::Result> SubjectList::writeSubjectQuietly(const QString& subject,
                                                                   SubjectStore::WriteMode mode,
                                                                   const QString& fallback) {
    const std::optional<SubjectStore::Saved> saved = save(subject, mode, fallback);
    if (!saved)
        return std::nullopt;
    switch (saved->status) {
    case SubjectStore::Saved::Written:
        return FileSystem::Result{true, {}};
    case SubjectStore::Saved::ChangedElsewhere:
        return FileSystem::Result{false, kChangedElsewhere};
    default:
        return FileSystem::Result{false, saved->error};
    }
}

// Written, in the end, also when nothing needed writing or the user chose the file's text.
std::optional<SubjectStore::Saved>
SubjectList::save(const QString& subject, SubjectStore::WriteMode mode, const QString& fallback) {
    if (!m_store.willWrite(subject, mode))
        return std::nullopt;
    TextBox& list = *m_window.TextFavoritesList;
    if (list.text().isEmpty())
        list.setText(SubjectEditing::refillText(fallback));
    const QString text = list.text();
    if (!m_editing.needsWriting(subject, text))
        return SubjectStore::Saved{SubjectStore::Saved::Written, {}};
    const QByteArray bytes = m_editing.bytesFor(subject, text);
    SubjectStore::Saved saved = m_store.save(subject, bytes, m_editing.knownBytes(subject));
    if (saved.status == SubjectStore::Saved::ChangedElsewhere) {
        const SubjectEditing::Question question = SubjectEditing::conflictQuestion(subject);
        switch (SubjectEditing::conflictAnswer(
            m_messages.choose(question.text, question.choices, question.safeChoice, kTitle))) {
        case SubjectEditing::OnConflict::Overwrite:
            saved = m_store.save(subject, bytes, std::nullopt, true);
            break;
        case SubjectEditing::OnConflict::LoadFile:
            return load(subject) ? SubjectStore::Saved{SubjectStore::Saved::Written, {}} : saved;
        case SubjectEditing::OnConflict::KeepEditing:
            return saved;
        }
    }
    if (saved.status == SubjectStore::Saved::Written)
        m_editing.subjectSaved(subject, StoredText(bytes));
    return saved;
}

bool SubjectList::deleteSubject(const QString& subject) {
    if (m_store.moveToTrash(subject).ok)
        return true;
    const QString question =
        QStringLiteral("\"%1\" could not be moved to the trash, from where it could have been "
                       "restored.\r\nDelete it for good?")
            .arg(subject);
    if (m_messages.ask(question, MessageBoxes::OkCancelDefaultCancel, QStringLiteral("Warning")) !=
        MessageBoxes::Ok)
        return false;
    const FileSystem::Result removed = m_store.remove(subject);
    if (!removed.ok)
        report(subject, QStringLiteral("deleted"), removed.error);
    return removed.ok;
}

void SubjectList::report(const QString& subject, const QString& failed, const QString& reason) {
    const QString text =
        QStringLiteral("The subject \"%1\" could not be %2.\r\n%3").arg(subject, failed, reason);
    m_messages.ask(text, MessageBoxes::OkOnly, kTitle);
}
