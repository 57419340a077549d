#include "favoritespage/subjectlist.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/favoritessession.h"
#include "mainwindow/frmbible.h"
#include "services/messageboxes.h"

#include <QFileInfo>

namespace {
const QString kTitle = QStringLiteral("Favorite Verses");
const QString kChangedElsewhere =
    QStringLiteral("Its file was changed by another window or program since it was shown here.");
} // namespace

SubjectList::SubjectList(FrmBible& window, SubjectFiles& subjectFiles, FavoritesSession& session,
                         MessageBoxes& messages)
    : m_window(window)
    , m_subjectFiles(subjectFiles)
    , m_session(session)
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
    m_window.ComboCategory->addItems(m_subjectFiles.subjectNames());
    ListVersesFavorites();
}

void SubjectList::ListVersesFavorites() {
    // The list still holds the subject shown before: the box names that one again.
    if (!load(m_window.ComboCategory->text()))
        m_window.ComboCategory->setText(m_session.shownSubject());
}

bool SubjectList::load(const QString& subject) {
    const SubjectFiles::Loaded loaded = m_subjectFiles.load(subject);
    if (loaded.status == SubjectFiles::Loaded::Failed) {
        report(subject, QStringLiteral("read"), loaded.error);
        return false;
    }
    show(subject, loaded);
    return true;
}

void SubjectList::show(const QString& subject, const SubjectFiles::Loaded& loaded) {
    TextBox& list = *m_window.TextFavoritesList;
    // Emptying the list refills it with the subject's name (the list's change handling).
    list.setText(QString());
    if (loaded.status == SubjectFiles::Loaded::Read)
        list.setText(loaded.text());
    m_session.subjectLoaded(
        subject,
        loaded.status == SubjectFiles::Loaded::Read ? std::optional(loaded.stored) : std::nullopt,
        list.text());
    watchShownSubject();
}

void SubjectList::watchShownSubject() {
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    if (m_watcher.directories().isEmpty() && QFileInfo(m_subjectFiles.folder()).isDir())
        m_watcher.addPath(m_subjectFiles.folder());
    const QString subject = m_session.shownSubject();
    if (m_subjectFiles.exists(subject))
        m_watcher.addPath(*m_subjectFiles.pathOf(subject));
}

// The caret stays where it was, as far as the new text reaches.
void SubjectList::followFile() {
    const QString subject = m_session.shownSubject();
    watchShownSubject();
    TextBox& list = *m_window.TextFavoritesList;
    const SubjectFiles::Loaded now = m_subjectFiles.load(subject);
    if (!m_session.followsFile(list.text(), now))
        return;
    const int caret = list.selStart();
    show(subject, now);
    list.setSelStart(caret);
}

bool SubjectList::writeSubject(const QString& subject, SubjectFiles::WriteMode mode,
                               const QString& fallback) {
    const std::optional<SubjectFiles::Saved> saved = save(subject, mode, fallback);
    if (saved && saved->status == SubjectFiles::Saved::Failed)
        report(subject, QStringLiteral("saved"), saved->error);
    return saved && saved->status == SubjectFiles::Saved::Written;
}

std::optional<FileSystem::Result> SubjectList::writeSubjectQuietly(const QString& subject,
                                                                   SubjectFiles::WriteMode mode,
                                                                   const QString& fallback) {
    const std::optional<SubjectFiles::Saved> saved = save(subject, mode, fallback);
    if (!saved)
        return std::nullopt;
    switch (saved->status) {
    case SubjectFiles::Saved::Written:
        return FileSystem::Result{true, {}};
    case SubjectFiles::Saved::ChangedElsewhere:
        return FileSystem::Result{false, kChangedElsewhere};
    default:
        return FileSystem::Result{false, saved->error};
    }
}

// Written, in the end, also when nothing needed writing or the user chose the file's text.
std::optional<SubjectFiles::Saved>
SubjectList::save(const QString& subject, SubjectFiles::WriteMode mode, const QString& fallback) {
    if (!m_subjectFiles.willWrite(subject, mode))
        return std::nullopt;
    TextBox& list = *m_window.TextFavoritesList;
    if (list.text().isEmpty())
        list.setText(FavoritesSession::refillText(fallback));
    const QString text = list.text();
    if (!m_session.needsWriting(subject, text))
        return SubjectFiles::Saved{SubjectFiles::Saved::Written, {}};
    const QByteArray bytes = m_session.bytesFor(subject, text);
    SubjectFiles::Saved saved = m_subjectFiles.save(subject, bytes, m_session.knownBytes(subject));
    if (saved.status == SubjectFiles::Saved::ChangedElsewhere) {
        const FavoritesSession::Question question = FavoritesSession::conflictQuestion(subject);
        switch (FavoritesSession::conflictAnswer(
            m_messages.choose(question.text, question.choices, question.safeChoice, kTitle))) {
        case FavoritesSession::OnConflict::Overwrite:
            saved = m_subjectFiles.save(subject, bytes, std::nullopt, true);
            break;
        case FavoritesSession::OnConflict::LoadFile:
            return load(subject) ? SubjectFiles::Saved{SubjectFiles::Saved::Written, {}} : saved;
        case FavoritesSession::OnConflict::KeepEditing:
            return saved;
        }
    }
    if (saved.status == SubjectFiles::Saved::Written)
        m_session.subjectSaved(subject, StoredText(bytes));
    return saved;
}

bool SubjectList::deleteSubject(const QString& subject) {
    if (m_subjectFiles.moveToTrash(subject).ok)
        return true;
    const QString question =
        QStringLiteral("\"%1\" could not be moved to the trash, from where it could have been "
                       "restored.\r\nDelete it for good?")
            .arg(subject);
    if (m_messages.ask(question, MessageBoxes::OkCancelDefaultCancel, QStringLiteral("Warning")) !=
        MessageBoxes::Ok)
        return false;
    const FileSystem::Result removed = m_subjectFiles.remove(subject);
    if (!removed.ok)
        report(subject, QStringLiteral("deleted"), removed.error);
    return removed.ok;
}

void SubjectList::report(const QString& subject, const QString& failed, const QString& reason) {
    const QString text =
        QStringLiteral("The subject \"%1\" could not be %2.\r\n%3").arg(subject, failed, reason);
    m_messages.ask(text, MessageBoxes::OkOnly, kTitle);
}
