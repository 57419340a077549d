#include "favorites/subjectediting.h"

#include "favorites/subjectstore.h"
#include "shell/placeholders.h"

SubjectEditing::SubjectEditing(const SubjectStore& store)
    : m_store(store) {}

void SubjectEditing::subjectBoxGotFocus(const QString& boxText) {
    m_remembered = boxText;
    m_subjectEdited = false;
}

void SubjectEditing::subjectPicked(const QString& subject) {
    m_remembered = subject;
    m_subjectEdited = true;
}

void SubjectEditing::subjectLoaded(const QString& subject, const QString& listText) {
    m_shown = subject;
    m_storedText = listText;
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
    if (!holdsTextOf(target) && m_store.exists(target))
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

bool SubjectEditing::holdsTextOf(const QString& subject) const {
    const std::optional<QString> shown = m_store.existingName(m_shown);
    return shown && m_store.existingName(subject) == shown;
}

QString SubjectEditing::refillText(const QString& boxText) {
    return boxText.isEmpty() ? placeholders::kNewSubjectText : boxText;
}
