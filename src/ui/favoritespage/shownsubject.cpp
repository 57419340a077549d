#include "favoritespage/shownsubject.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/favoritessession.h"
#include "services/messageboxes.h"
#include "shell/logging.h"
#include "text/linebreak.h"

#include <QFileInfo>

namespace {
constexpr QLatin1String
    kChangedElsewhere("Its file was changed by another window or program since it was shown here.");
} // namespace

ShownSubject::ShownSubject(const FavoritesView& view, SubjectFiles& subjectFiles,
                           FavoritesSession& session, MessageBoxes& messages)
    : m_view(view)
    , m_subjectFiles(subjectFiles)
    , m_session(session)
    , m_messages(messages) {
    // A save of another window renames a new file over the old one: the folder shows it.
    QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_watcher,
                     [this] { followFile(); });
    QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_watcher,
                     [this] { followFile(); });
}

void ShownSubject::listSubjects() {
    const QString current = m_view.subjectBox->text();
    m_view.subjectBox->clear();
    m_view.subjectBox->setText(current);
    m_view.subjectBox->addItems(m_subjectFiles.subjectNames());
    showNamedSubject();
}

void ShownSubject::showNamedSubject() {
    // The text still holds the subject shown before: the box names that one again.
    if (!load(m_view.subjectBox->text()))
        m_view.subjectBox->setText(m_session.shownSubject());
}

bool ShownSubject::load(const QString& subject) {
    const SubjectFiles::Loaded loaded = m_subjectFiles.load(subject);
    if (loaded.status == SubjectFiles::Loaded::Failed) {
        report(subject, QStringLiteral("read"), loaded.error);
        return false;
    }
    show(subject, loaded);
    return true;
}

void ShownSubject::show(const QString& subject, const SubjectFiles::Loaded& loaded) {
    TextBox& text = *m_view.subjectText;
    // Emptying the text refills it with the subject's name (its change handling).
    text.setText(QString());
    if (loaded.status == SubjectFiles::Loaded::Read)
        text.setText(loaded.text());
    m_session.subjectLoaded(
        subject,
        loaded.status == SubjectFiles::Loaded::Read ? std::optional(loaded.stored) : std::nullopt,
        text.text());
    watchShownSubject();
}

void ShownSubject::watchShownSubject() {
    if (!m_watcher.files().isEmpty())
        m_watcher.removePaths(m_watcher.files());
    const auto watch = [this](const QString& path) {
        if (!m_watcher.addPath(path))
            qCWarning(shell::lcFavorites) << "changes made elsewhere not followed:" << path;
    };
    if (m_watcher.directories().isEmpty() && QFileInfo(m_subjectFiles.folder()).isDir())
        watch(m_subjectFiles.folder());
    const QString subject = m_session.shownSubject();
    if (m_subjectFiles.exists(subject))
        watch(*m_subjectFiles.pathOf(subject));
}

// The caret stays where it was, as far as the new text reaches.
void ShownSubject::followFile() {
    const QString subject = m_session.shownSubject();
    watchShownSubject();
    TextBox& text = *m_view.subjectText;
    const SubjectFiles::Loaded now = m_subjectFiles.load(subject);
    if (!m_session.followsFile(text.text(), now))
        return;
    const int caret = text.selStart();
    show(subject, now);
    text.setSelStart(caret);
}

bool ShownSubject::write(const QString& subject, SubjectFiles::WriteMode mode,
                         const QString& fallback) {
    const std::optional<SubjectFiles::Saved> saved = save(subject, mode, fallback);
    if (saved && saved->status == SubjectFiles::Saved::Failed)
        report(subject, QStringLiteral("saved"), saved->error);
    return saved && saved->status == SubjectFiles::Saved::Written;
}

std::optional<FileSystem::Result> ShownSubject::writeQuietly(const QString& subject,
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
ShownSubject::save(const QString& subject, SubjectFiles::WriteMode mode, const QString& fallback) {
    if (!m_subjectFiles.willWrite(subject, mode))
        return std::nullopt;
    refillIfEmptied(fallback);
    const QString text = m_view.subjectText->text();
    if (!m_session.needsWriting(subject, text))
        return SubjectFiles::Saved{SubjectFiles::Saved::Written, {}};
    const QByteArray bytes = m_session.bytesFor(subject, text);
    SubjectFiles::Saved saved = m_subjectFiles.save(subject, bytes, m_session.knownBytes(subject));
    if (saved.status == SubjectFiles::Saved::ChangedElsewhere) {
        const FavoritesSession::Question question = FavoritesSession::conflictQuestion(subject);
        switch (FavoritesSession::conflictAnswer(m_messages.choose(
            question.text, question.choices, question.safeChoice, kFavoritesTitle))) {
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

void ShownSubject::refillIfEmptied(const QString& name) {
    TextBox& text = *m_view.subjectText;
    if (const std::optional<QString> refill = FavoritesSession::refill(text.text(), name))
        text.setText(*refill);
}

bool ShownSubject::remove(const QString& subject) {
    if (m_subjectFiles.moveToTrash(subject).ok)
        return true;
    const QString question =
        QStringLiteral("\"%1\" could not be moved to the trash, from where it could have been "
                       "restored.")
            .arg(subject) +
        text::kCrLf + QStringLiteral("Delete it for good?");
    if (m_messages.ask(question, MessageBoxes::OkCancelDefaultCancel, QStringLiteral("Warning")) !=
        MessageBoxes::Ok)
        return false;
    const FileSystem::Result removed = m_subjectFiles.remove(subject);
    if (!removed.ok)
        report(subject, QStringLiteral("deleted"), removed.error);
    return removed.ok;
}

void ShownSubject::report(const QString& subject, const QString& failed, const QString& reason) {
    const QString text =
        QStringLiteral("The subject \"%1\" could not be %2.").arg(subject, failed) + text::kCrLf +
        reason;
    m_messages.ask(text, MessageBoxes::OkOnly, kFavoritesTitle);
}
