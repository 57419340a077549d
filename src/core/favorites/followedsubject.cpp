#include "favorites/followedsubject.h"

#include <utility>

FollowedSubject::FollowedSubject(const SubjectFiles& subjectFiles)
    : m_subjectFiles(subjectFiles) {}

void FollowedSubject::loaded(const QString& subject, std::optional<StoredText> file,
                             const QString& text) {
    m_shown = subject;
    m_file = std::move(file);
    m_textAsStored = text;
}

// A new subject made from the subject text is shown once loaded. The shown subject's file may
// have been made by this very write, and is then looked up by name: only then, and only for a
// name that can be the shown one, is the folder asked.
void FollowedSubject::saved(const SubjectSave& written) {
    if (!written.ofShownSubject && !isNowShown(written.subject))
        return;
    m_file = StoredText(written.bytes);
    m_textAsStored = m_file->text();
}

bool FollowedSubject::isNowShown(const QString& subject) const {
    if (subject.compare(m_shown, Qt::CaseInsensitive) != 0)
        return false;
    const std::optional<QString> shown = toReopen();
    return shown && m_subjectFiles.existingName(subject) == shown;
}

// An existing name that is the shown one is its subject without asking the folder.
bool FollowedSubject::holdsTextOfExisting(const QString& existing) const {
    return existing == m_shown || m_subjectFiles.existingName(m_shown) == existing;
}

SubjectSave FollowedSubject::write(const QString& subject, const QString& text,
                                   bool ofShownSubject) const {
    const bool known = ofShownSubject && m_file;
    if (known && !hasUnsavedText(text))
        return {};
    return {SubjectSave::Write,
            subject,
            text,
            known ? m_file->bytesFor(text) : FileSystem::encode(text),
            known ? std::optional(m_file->bytes()) : std::nullopt,
            ofShownSubject,
            {}};
}

bool FollowedSubject::follows(const QString& text, const SubjectFiles::Loaded& now) const {
    if (hasUnsavedText(text) || now.status != SubjectFiles::Loaded::Read)
        return false;
    return !m_file || m_file->bytes() != now.stored.bytes();
}

bool FollowedSubject::wentAway(const QString& boxText, const QString& text) const {
    return m_file && boxText == m_shown && hasUnsavedText(text) && !m_subjectFiles.exists(m_shown);
}
