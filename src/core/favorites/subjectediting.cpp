#include "favorites/subjectediting.h"

#include "favorites/subjectplaceholders.h"
#include "storage/datafolder.h"
#include "text/linebreak.h"

#include <utility>

using text::kCrLf;

SubjectEditing::SubjectEditing(const SubjectFiles& subjectFiles, const FollowedSubject& followed)
    : m_subjectFiles(subjectFiles)
    , m_followed(followed) {}

void SubjectEditing::subjectBoxEntered(const QString& boxText) {
    m_remembered = boxText;
    m_boxEdited = false;
}

void SubjectEditing::subjectPicked(const QString& subject) {
    m_remembered = subject;
    m_boxEdited = false;
}

std::optional<QString> SubjectEditing::subjectToDelete(const QString& boxText) const {
    if (!m_boxEdited || !boxText.isEmpty())
        return std::nullopt;
    return m_subjectFiles.existingName(m_remembered);
}

// A name that differs from an existing subject only in letter case, or that cleans to one,
// is that subject; only a name of no existing subject creates one.
SubjectEditing::BoxLeft SubjectEditing::leaveSubjectBox(const QString& trimmedBoxText,
                                                        const QString& subjectText) const {
    if (!m_boxEdited || trimmedBoxText.isEmpty() || trimmedBoxText == favorites::kSelectSubject)
        return {};
    const QString cleaned = SubjectFiles::cleanedName(trimmedBoxText);
    const QString target = m_subjectFiles.existingName(trimmedBoxText)
                               .value_or(m_subjectFiles.existingName(cleaned).value_or(cleaned));
    if (target.isEmpty())
        return {}; // nothing of the name is left to name a file by
    if (!m_subjectFiles.exists(target)) {
        if (!m_subjectFiles.fitsFolder(target))
            return {BoxLeft::TooLong, target, {}};
        if (!m_subjectFiles.willWrite(target, SubjectFiles::WriteMode::Create))
            return {};
        const QString text = refill(subjectText, target).value_or(subjectText);
        return {BoxLeft::Write, target, m_followed.write(target, text, false)};
    }
    if (!m_followed.holdsTextOfExisting(target))
        return {BoxLeft::Load, target, {}};
    return {BoxLeft::Write, target, writeShown(target, subjectText, target)};
}

SubjectSave SubjectEditing::leaveSubjectText(const QString& boxText, const QString& subjectText) {
    if (!std::exchange(m_textEdited, false))
        return {};
    return saveNamed(boxText, subjectText);
}

SubjectSave SubjectEditing::saveNamed(const QString& boxText, const QString& subjectText) const {
    if (const std::optional<QString> subject = saveTarget(boxText))
        return writeShown(*subject, subjectText, boxText);
    if (!m_followed.wentAway(boxText, subjectText))
        return {};
    SubjectSave tell;
    tell.kind = SubjectSave::Tell;
    tell.message = fileGoneNotice(boxText);
    return tell;
}

SubjectSave SubjectEditing::beforeDropping(const QString& savedUnder,
                                           const QString& subjectText) const {
    if (!m_followed.hasUnsavedText(subjectText))
        return {};
    const std::optional<QString> subject = saveTarget(savedUnder);
    return subject ? writeShown(*subject, subjectText, savedUnder) : SubjectSave();
}

SubjectEditing::Dropping SubjectEditing::dropping(const QString& savedUnder,
                                                  const QString& subjectText,
                                                  const std::optional<SaveOutcome>& written,
                                                  const QString& goOn) const {
    if (written && written->kind == SaveOutcome::FileShown)
        return {Dropping::Stay, {}};
    if (!m_followed.hasUnsavedText(subjectText))
        return {};
    const std::optional<QString> saveError = written ? std::optional(written->error) : std::nullopt;
    return {Dropping::Ask,
            whyNotSaved(savedUnder, saveError, storage::folderProblem(m_subjectFiles.folder())) +
                kCrLf + goOn};
}

std::optional<QString> SubjectEditing::saveTarget(const QString& boxText) const {
    const std::optional<QString> named = m_subjectFiles.existingName(boxText);
    if (!named || !m_followed.holdsTextOfExisting(*named))
        return std::nullopt;
    return named;
}

// The subject text is the subject's own: only what the user changed is written.
SubjectSave SubjectEditing::writeShown(const QString& subject, const QString& subjectText,
                                       const QString& name) const {
    return m_followed.write(subject, refill(subjectText, name).value_or(subjectText), true);
}

// Why the subject text is in no file, for the user: the save under the name that failed and
// why, the folder that cannot take a file, the file of the subject shown gone, or no subject
// named to save it under.
QString SubjectEditing::whyNotSaved(const QString& savedUnder,
                                    const std::optional<QString>& saveError,
                                    const QString& folderProblem) const {
    if (saveError)
        return QStringLiteral("The subject \"%1\" could not be saved.")
                   .arg(m_subjectFiles.existingName(savedUnder).value_or(savedUnder)) +
               kCrLf + *saveError;
    if (!folderProblem.isEmpty())
        return QStringLiteral("The favorite verses shown are not saved.") + kCrLf + folderProblem;
    if (!savedUnder.isEmpty() && savedUnder == m_followed.subject())
        return QStringLiteral("The favorite verses shown are not saved: the file of the subject "
                              "\"%1\" is gone.")
            .arg(savedUnder);
    return QStringLiteral(
        "The favorite verses shown are not saved: no subject is named to save them under.");
}

// Why the text is not saved, that it stays, and, where the folder can still take a file, how to
// save it.
QString SubjectEditing::fileGoneNotice(const QString& boxText) const {
    const QString folderProblem = storage::folderProblem(m_subjectFiles.folder());
    return whyNotSaved(boxText, std::nullopt, folderProblem) + kCrLf +
           (folderProblem.isEmpty() ? QStringLiteral("They stay here: to save them, type a "
                                                     "subject name for them in the subject box.")
                                    : QStringLiteral("They stay here."));
}

std::optional<QString> SubjectEditing::refill(const QString& subjectText, const QString& name) {
    if (!subjectText.isEmpty())
        return std::nullopt;
    return name.isEmpty() ? favorites::kNewSubjectText : name;
}

QString SubjectEditing::withVerseAdded(const QString& subjectText, const QString& verses,
                                       const QString& book, const QString& reference) {
    return subjectText + kCrLf + kCrLf + verses + kCrLf + book + QLatin1Char(' ') + reference;
}
