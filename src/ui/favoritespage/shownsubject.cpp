#include "favoritespage/shownsubject.h"

#include "controls/combobox.h"
#include "controls/textbox.h"
#include "favorites/favoritessession.h"
#include "report/logging.h"
#include "services/messageboxes.h"
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
            qCWarning(report::lcFavorites) << "changes made elsewhere not followed:" << path;
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
    const std::optional<Written> written = writeQuietly(subject, mode, fallback);
    if (written && written->failed)
        report(subject, QStringLiteral("saved"), written->error);
    return written && written->outcome == Written::Saved;
}

// Saved, in the end, also when nothing needed writing.
std::optional<ShownSubject::Written> ShownSubject::writeQuietly(const QString& subject,
                                                                SubjectFiles::WriteMode mode,
                                                                const QString& fallback) {
    if (!m_subjectFiles.willWrite(subject, mode))
        return std::nullopt;
    refillIfEmptied(fallback);
    const QString text = m_view.subjectText->text();
    if (!m_session.needsWriting(subject, text))
        return Written{Written::Saved, {}};
    const QByteArray bytes = m_session.bytesFor(subject, text);
    SubjectFiles::Saved saved = m_subjectFiles.save(subject, bytes, m_session.knownBytes(subject));
    if (saved.status == SubjectFiles::Saved::ChangedElsewhere) {
        const FavoritesSession::ChoiceQuestion question =
            FavoritesSession::conflictQuestion(subject);
        switch (FavoritesSession::conflictAnswer(m_messages.choose(
            question.text, question.choices, question.safeChoice, kFavoritesTitle))) {
        case FavoritesSession::OnConflict::Overwrite:
            saved = replaceFile(subject, bytes);
            break;
        case FavoritesSession::OnConflict::LoadFile:
            if (showFileText(subject))
                return Written{Written::FileShown, {}};
            [[fallthrough]];
        case FavoritesSession::OnConflict::KeepEditing:
            return Written{Written::LeftUnsaved, kChangedElsewhere};
        }
    }
    switch (saved.status) {
    case SubjectFiles::Saved::Written:
        m_session.subjectSaved(subject, StoredText(bytes));
        return Written{Written::Saved, {}};
    case SubjectFiles::Saved::Failed:
        return Written{Written::LeftUnsaved, saved.error, true};
    default:
        return Written{Written::LeftUnsaved, saved.error};
    }
}

// The file's text goes to the trash first; where it cannot, it is lost only when the user agrees.
SubjectFiles::Saved ShownSubject::replaceFile(const QString& subject, const QByteArray& bytes) {
    const SubjectFiles::Saved saved =
        m_subjectFiles.save(subject, bytes, std::nullopt, SubjectFiles::Overwrite::KeepInTrash);
    if (saved.status != SubjectFiles::Saved::NotTrashed ||
        !mayLoseForGood(QStringLiteral("The text of \"%1\" in its file").arg(subject), saved.error,
                        QStringLiteral("Replace it for good?")))
        return saved;
    return m_subjectFiles.save(subject, bytes, std::nullopt, SubjectFiles::Overwrite::ForGood);
}

// One edit replaces the text shown, so that Undo brings it back.
bool ShownSubject::showFileText(const QString& subject) {
    const SubjectFiles::Loaded loaded = m_subjectFiles.load(subject);
    if (loaded.status == SubjectFiles::Loaded::Failed)
        report(subject, QStringLiteral("read"), loaded.error);
    if (loaded.status != SubjectFiles::Loaded::Read)
        return false;
    TextBox& text = *m_view.subjectText;
    text.setTextUndoably(FavoritesSession::refill(loaded.text(), subject).value_or(loaded.text()));
    m_session.subjectLoaded(subject, loaded.stored, text.text());
    watchShownSubject();
    return true;
}

void ShownSubject::refillIfEmptied(const QString& name) {
    TextBox& text = *m_view.subjectText;
    if (const std::optional<QString> refill = FavoritesSession::refill(text.text(), name))
        text.setText(*refill);
}

bool ShownSubject::remove(const QString& subject) {
    const FileSystem::Result trashed = m_subjectFiles.moveToTrash(subject);
    if (trashed.ok || !mayLoseForGood(QStringLiteral("\"%1\"").arg(subject), trashed.error,
                                      QStringLiteral("Delete it for good?")))
        return trashed.ok;
    const FileSystem::Result removed = m_subjectFiles.remove(subject);
    if (!removed.ok)
        report(subject, QStringLiteral("deleted"), removed.error);
    return removed.ok;
}

// Cancel is the default answer: a reflexive Enter loses nothing.
bool ShownSubject::mayLoseForGood(const QString& what, const QString& reason, const QString& goOn) {
    const QString question = what +
                             QStringLiteral(" could not be moved to the trash, from where it "
                                            "could have been restored:") +
                             text::kCrLf + reason + text::kCrLf + goOn;
    return m_messages.ask(question, MessageBoxes::OkCancelDefaultCancel,
                          QStringLiteral("Warning")) == MessageBoxes::Ok;
}

void ShownSubject::report(const QString& subject, const QString& failed, const QString& reason) {
    const QString text =
        QStringLiteral("The subject \"%1\" could not be %2.").arg(subject, failed) + text::kCrLf +
        reason;
    m_messages.ask(text, MessageBoxes::OkOnly, kFavoritesTitle);
}
