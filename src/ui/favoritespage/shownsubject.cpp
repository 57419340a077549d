#include "favoritespage/shownsubject.h"

#include "controls/textbox.h"
#include "favorites/followedsubject.h"
#include "favorites/subjectediting.h"
#include "favorites/subjectmessages.h"
#include "report/logging.h"
#include "services/messageboxes.h"

#include <QFileInfo>

ShownSubject::ShownSubject(TextBox& subjectText, const SubjectFiles& subjectFiles,
                           FollowedSubject& followed, MessageBoxes& messages)
    : m_subjectText(subjectText)
    , m_subjectFiles(subjectFiles)
    , m_followed(followed)
    , m_messages(messages) {
    // A save of another window renames a new file over the old one: the folder shows it.
    QObject::connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_watcher,
                     [this] { followFile(); });
    QObject::connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_watcher,
                     [this] { followFile(); });
}

bool ShownSubject::show(const QString& subject) {
    const SubjectFiles::Loaded loaded = m_subjectFiles.load(subject);
    if (loaded.status == SubjectFiles::Loaded::Failed) {
        m_messages.ask(favorites::failureNotice(subject, QStringLiteral("read"), loaded.error));
        return false;
    }
    show(subject, loaded);
    return true;
}

void ShownSubject::show(const QString& subject, const SubjectFiles::Loaded& loaded) {
    // Emptying the text refills it with the subject's name (its change handling).
    m_subjectText.setText(QString());
    if (loaded.status == SubjectFiles::Loaded::Read)
        m_subjectText.setText(loaded.text());
    m_followed.loaded(subject,
                      loaded.status == SubjectFiles::Loaded::Read ? std::optional(loaded.stored)
                                                                  : std::nullopt,
                      m_subjectText.text());
    watchShownSubject();
}

// One edit replaces the text shown, so that Undo brings it back.
bool ShownSubject::showFileText(const QString& subject) {
    const SubjectFiles::Loaded loaded = m_subjectFiles.load(subject);
    if (loaded.status == SubjectFiles::Loaded::Failed)
        m_messages.ask(favorites::failureNotice(subject, QStringLiteral("read"), loaded.error));
    if (loaded.status != SubjectFiles::Loaded::Read)
        return false;
    m_subjectText.setTextUndoably(
        SubjectEditing::refill(loaded.text(), subject).value_or(loaded.text()));
    m_followed.loaded(subject, loaded.stored, m_subjectText.text());
    watchShownSubject();
    return true;
}

void ShownSubject::keepText(const QString& text) {
    if (m_subjectText.text() != text)
        m_subjectText.setText(text);
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
    if (const std::optional<QString> path = m_subjectFiles.existingPath(m_followed.subject()))
        watch(*path);
}

// The caret stays where it was, as far as the new text reaches.
void ShownSubject::followFile() {
    const QString subject = m_followed.subject();
    watchShownSubject();
    const SubjectFiles::Loaded now = m_subjectFiles.load(subject);
    if (!m_followed.follows(m_subjectText.text(), now))
        return;
    const int caret = m_subjectText.selStart();
    show(subject, now);
    m_subjectText.setSelStart(caret);
}
