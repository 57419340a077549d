#include "favorites/subjectediting.h"

#include "shell/placeholders.h"

SubjectEditing::SubjectEditing(const SubjectStore& store)
    : m_store(store) {}

void SubjectEditing::subjectBoxGotFocus(const QString& boxText) {
    m_remembered = boxText;
    m_subjectEdited = false;
}

void SubjectEditing::subjectPicked(const QString& subject) {
    m_remembered = subject;
    m_subjectEdited = false;
}

void SubjectEditing::subjectLoaded(const QString& subject, std::optional<StoredText> file,
                                   const QString& listText) {
    m_shown = subject;
    m_file = std::move(file);
    m_listAsStored = listText;
}

void SubjectEditing::subjectSaved(const QString& subject, StoredText file) {
    if (!holdsTextOf(subject))
        return; // a new subject made from the list: it is shown once loaded
    m_listAsStored = file.text();
    m_file = std::move(file);
}

std::optional<QString> SubjectEditing::subjectToDelete(const QString& boxText) const {
    if (!m_subjectEdited || !boxText.isEmpty())
        return std::nullopt;
    return m_store.existingName(m_remembered);
}

// A name that differs from an existing subject only in letter case, or that cleans to one,
// is that subject; only a name of no existing subject creates one.
SubjectEditing::BoxLeft SubjectEditing::leaveSubjectBox(const QString& trimmedBoxText) const {
    if (!m_subjectEdited || trimmedBoxText.isEmpty() ||
        trimmedBoxText == placeholders::kSelectSubject)
        return {};
    const QString cleaned = SubjectStore::cleanedName(trimmedBoxText);
    const QString target = m_store.existingName(trimmedBoxText)
                               .value_or(m_store.existingName(cleaned).value_or(cleaned));
    if (target.isEmpty())
        return {}; // nothing of the name is left to name a file by
    if (!m_store.exists(target))
        return {m_store.fitsFolder(target) ? BoxLeft::Write : BoxLeft::TooLong, target};
    if (!holdsTextOf(target))
        return {BoxLeft::Load, target};
    return {BoxLeft::Write, target};
}

bool SubjectEditing::leaveList() {
    const bool save = m_subjectEdited;
    m_subjectEdited = false;
    return save;
}

std::optional<QString> SubjectEditing::saveTarget(const QString& boxText) const {
    const std::optional<QString> named = m_store.existingName(boxText);
    if (!named || !holdsTextOf(*named))
        return std::nullopt;
    return named;
}

bool SubjectEditing::needsWriting(const QString& subject, const QString& listText) const {
    return !holdsTextOf(subject) || !m_file || hasUnsavedText(listText);
}

QByteArray SubjectEditing::bytesFor(const QString& subject, const QString& listText) const {
    if (holdsTextOf(subject) && m_file)
        return m_file->bytesFor(listText);
    return FileSystem::encode(listText);
}

std::optional<QByteArray> SubjectEditing::knownBytes(const QString& subject) const {
    if (holdsTextOf(subject) && m_file)
        return m_file->bytes();
    return std::nullopt;
}

bool SubjectEditing::followsFile(const QString& listText, const SubjectStore::Loaded& now) const {
    if (hasUnsavedText(listText) || now.status != SubjectStore::Loaded::Read)
        return false;
    return !m_file || m_file->bytes() != now.stored.bytes();
}

SubjectEditing::Question SubjectEditing::conflictQuestion(const QString& subject) {
    return {QStringLiteral("The subject \"%1\" was changed in its file by another window or "
                           "program since it was shown here.\r\nReplace the file's text with "
                           "the text shown here, show the file's text instead, or keep editing "
                           "without saving?")
                .arg(subject),
            {QStringLiteral("&Replace the File"), QStringLiteral("&Show the File"),
             QStringLiteral("&Keep Editing")},
            int(OnConflict::KeepEditing)};
}

SubjectEditing::OnConflict SubjectEditing::conflictAnswer(int choice) {
    switch (choice) {
    case int(OnConflict::Overwrite):
        return OnConflict::Overwrite;
    case int(OnConflict::LoadFile):
        return OnConflict::LoadFile;
    default:
        return OnConflict::KeepEditing; // the box closed without a choice writes nothing
    }
}

bool SubjectEditing::holdsTextOf(const QString& subject) const {
    const std::optional<QString> shown = m_store.existingName(m_shown);
    return shown && m_store.existingName(subject) == shown;
}

QString SubjectEditing::refillText(const QString& boxText) {
    return boxText.isEmpty() ? placeholders::kNewSubjectText : boxText;
}
