#include "favorites/favoritessession.h"

#include "favorites/subjectplaceholders.h"
#include "text/linebreak.h"

#include <utility>

FavoritesSession::FavoritesSession(const SubjectFiles& subjectFiles)
    : m_subjectFiles(subjectFiles) {}

void FavoritesSession::subjectBoxEntered(const QString& boxText) {
    m_remembered = boxText;
    m_boxEdited = false;
}

void FavoritesSession::subjectPicked(const QString& subject) {
    m_remembered = subject;
    m_boxEdited = false;
}

void FavoritesSession::subjectLoaded(const QString& subject, std::optional<StoredText> file,
                                     const QString& subjectText) {
    m_shown = subject;
    m_file = std::move(file);
    m_textAsStored = subjectText;
}

void FavoritesSession::subjectSaved(const QString& subject, StoredText file) {
    if (!holdsTextOf(subject))
        return; // a new subject made from the subject text: it is shown once loaded
    m_textAsStored = file.text();
    m_file = std::move(file);
}

std::optional<QString> FavoritesSession::subjectToDelete(const QString& boxText) const {
    if (!m_boxEdited || !boxText.isEmpty())
        return std::nullopt;
    return m_subjectFiles.existingName(m_remembered);
}

// A name that differs from an existing subject only in letter case, or that cleans to one,
// is that subject; only a name of no existing subject creates one.
FavoritesSession::BoxLeft FavoritesSession::leaveSubjectBox(const QString& trimmedBoxText) const {
    if (!m_boxEdited || trimmedBoxText.isEmpty() || trimmedBoxText == favorites::kSelectSubject)
        return {};
    const QString cleaned = SubjectFiles::cleanedName(trimmedBoxText);
    const QString target = m_subjectFiles.existingName(trimmedBoxText)
                               .value_or(m_subjectFiles.existingName(cleaned).value_or(cleaned));
    if (target.isEmpty())
        return {}; // nothing of the name is left to name a file by
    if (!m_subjectFiles.exists(target))
        return {m_subjectFiles.fitsFolder(target) ? BoxLeft::Write : BoxLeft::TooLong, target};
    if (!holdsTextOf(target))
        return {BoxLeft::Load, target};
    return {BoxLeft::Write, target};
}

bool FavoritesSession::leaveSubjectText() {
    return std::exchange(m_textEdited, false);
}

std::optional<QString> FavoritesSession::saveTarget(const QString& boxText) const {
    const std::optional<QString> named = m_subjectFiles.existingName(boxText);
    if (!named || !holdsTextOf(*named))
        return std::nullopt;
    return named;
}

bool FavoritesSession::needsWriting(const QString& subject, const QString& subjectText) const {
    return !holdsTextOf(subject) || !m_file || hasUnsavedText(subjectText);
}

QByteArray FavoritesSession::bytesFor(const QString& subject, const QString& subjectText) const {
    if (holdsTextOf(subject) && m_file)
        return m_file->bytesFor(subjectText);
    return FileSystem::encode(subjectText);
}

std::optional<QByteArray> FavoritesSession::knownBytes(const QString& subject) const {
    if (holdsTextOf(subject) && m_file)
        return m_file->bytes();
    return std::nullopt;
}

bool FavoritesSession::followsFile(const QString& subjectText,
                                   const SubjectFiles::Loaded& now) const {
    if (hasUnsavedText(subjectText) || now.status != SubjectFiles::Loaded::Read)
        return false;
    return !m_file || m_file->bytes() != now.stored.bytes();
}

bool FavoritesSession::fileWentAway(const QString& boxText, const QString& subjectText) const {
    return m_file && boxText == m_shown && hasUnsavedText(subjectText) &&
           !m_subjectFiles.exists(m_shown);
}

QString FavoritesSession::whyNotSaved(const QString& savedUnder,
                                      const std::optional<QString>& saveError,
                                      const QString& folderProblem) const {
    using text::kCrLf;
    if (saveError)
        return QStringLiteral("The subject \"%1\" could not be saved.")
                   .arg(m_subjectFiles.existingName(savedUnder).value_or(savedUnder)) +
               kCrLf + *saveError;
    if (!folderProblem.isEmpty())
        return QStringLiteral("The favorite verses shown are not saved.") + kCrLf + folderProblem;
    if (!savedUnder.isEmpty() && savedUnder == m_shown)
        return QStringLiteral("The favorite verses shown are not saved: the file of the subject "
                              "\"%1\" is gone.")
            .arg(savedUnder);
    return QStringLiteral(
        "The favorite verses shown are not saved: no subject is named to save them under.");
}

QString FavoritesSession::fileGoneNotice(const QString& boxText,
                                         const QString& folderProblem) const {
    return whyNotSaved(boxText, std::nullopt, folderProblem) + text::kCrLf +
           (folderProblem.isEmpty() ? QStringLiteral("They stay here: to save them, type a "
                                                     "subject name for them in the subject box.")
                                    : QStringLiteral("They stay here."));
}

// Each answer says where the words it does not keep in the file go.
FavoritesSession::ChoiceQuestion FavoritesSession::conflictQuestion(const QString& subject) {
    using text::kCrLf;
    return {QStringLiteral("The subject \"%1\" was changed in its file by another window or "
                           "program since it was shown here.")
                    .arg(subject) +
                kCrLf + kCrLf +
                QStringLiteral("Replace the File: the text shown here is saved, and the file's "
                               "text is moved to the trash, from where it can be restored.") +
                kCrLf +
                QStringLiteral("Show the File: the file's text is shown instead; Edit > Undo "
                               "(Ctrl+Z) in the favorite verses brings back the text shown here.") +
                kCrLf + QStringLiteral("Keep Editing: nothing is saved for now."),
            {QStringLiteral("&Replace the File"), QStringLiteral("&Show the File"),
             QStringLiteral("&Keep Editing")},
            int(OnConflict::KeepEditing)};
}

FavoritesSession::OnConflict FavoritesSession::conflictAnswer(int choice) {
    switch (choice) {
    case int(OnConflict::Overwrite):
        return OnConflict::Overwrite;
    case int(OnConflict::LoadFile):
        return OnConflict::LoadFile;
    default:
        return OnConflict::KeepEditing; // the box closed without a choice writes nothing
    }
}

bool FavoritesSession::holdsTextOf(const QString& subject) const {
    const std::optional<QString> shown = m_subjectFiles.existingName(m_shown);
    return shown && m_subjectFiles.existingName(subject) == shown;
}

std::optional<QString> FavoritesSession::refill(const QString& subjectText, const QString& name) {
    if (!subjectText.isEmpty())
        return std::nullopt;
    return name.isEmpty() ? favorites::kNewSubjectText : name;
}

QString FavoritesSession::withVerseAdded(const QString& subjectText, const QString& verses,
                                         const QString& book, const QString& reference) {
    using text::kCrLf;
    return subjectText + kCrLf + kCrLf + verses + kCrLf + book + QLatin1Char(' ') + reference;
}
